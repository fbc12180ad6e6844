// Price history from a CSV file (a broker's or a finance site's export): one value a week, merged
// into a value database.
#pragma once

#include "app/core/dates.h"
#include "app/core/outcome.h"
#include "valuedb/core/value_database.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace brisk {

struct PriceImportOptions {
    // A column's heading (case and surrounding blanks aside) or its number, 1 the first.
    std::string dateColumn = "Date";
    std::string valueColumn = "Close";
    // Dates are read as YYYY-MM-DD or in this form.
    ShortDateForm dateForm;
};

struct PriceImportCounts {
    int added = 0;    // weeks the database did not have
    int replaced = 0; // weeks whose record the imported value replaced
    int skipped = 0;  // rows whose date or value could not be read
    int leftOut = 0;  // the oldest weeks beyond the database's limit
};

struct PriceImport {
    ValueDatabase db;
    PriceImportCounts counts;
};

// Each calendar week (Monday to Sunday) of the file gives the value of its latest row, dated with
// that row's date; it replaces the database's record of that week or is added. The records end
// newest first, numbered from 1, at most kMaxRecords of them (the newest); the title and the
// earnings stay. Message 13 when no row can be read (a missing column included).
Outcome<PriceImport> importPrices(const ValueDatabase& db, std::string_view csv,
                                  const PriceImportOptions& options);

// The same for a file: message 13 too when it cannot be read or is larger than any export of one
// investment's history.
Outcome<PriceImport> importPriceFile(const ValueDatabase& db, const std::filesystem::path& path,
                                     const PriceImportOptions& options);

// "52 weeks imported: 50 added, 2 replaced." and what was skipped or left out, for the window and
// the command line alike.
std::string importSummary(const PriceImportCounts& counts);

} // namespace brisk
