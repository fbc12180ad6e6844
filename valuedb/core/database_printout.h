// The printed value database: title, records with the earnings beside them, by pages.
#pragma once

#include "app/core/printout.h"
#include "valuedb/core/value_database.h"

namespace brisk {

Printout databasePrintout(const ValueDatabase& db, const PrintContext& context);

} // namespace brisk
