// The printed mortgage or loan report: header, title, inputs, summary and the schedule by pages.
#pragma once

#include "app/core/printout.h"
#include "mortgage/core/schedule.h"

namespace brisk {

Printout mortgagePrintout(const MortgageInputs& inputs, const Schedule& schedule,
                          const PrintContext& context);

} // namespace brisk
