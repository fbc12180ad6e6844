// Price history from a CSV file (a broker's or a finance site's export): one value a week, merged
// into a value database. Everything is read in the file's own form (its separator, decimal mark
// and date order), never in the system's.
#pragma once

#include "app/core/dates.h"
#include "valuedb/core/value_database.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisk {

using DateOrder = ShortDateForm::Order;

struct PriceImportOptions {
    // A column's heading (case, blanks and punctuation aside) or its number, 1 the first. Empty:
    // the dates' column is the one headed "Date" (or the first whose values are dates), the prices'
    // the first of Close, Close/Last, Price, Last, Value, NAV and, failing those, Adj Close.
    std::string dateColumn = {};
    std::string valueColumn = {};
    // How dates written with numbers alone (04/05/2026) are read; empty: from the file's own values.
    std::optional<DateOrder> dateOrder = {};
};

// Why a file gives no prices, in words that say what was looked for and what was found.
struct PriceFileProblem {
    enum class Kind {
        Unreadable,     // no such file, not a regular file, or too large for any price history
        NoColumn,       // no heading or number names the dates' or the prices' column
        NoDates,        // no row's date could be read
        NoValues,       // dates were read, but no price beside them
        AmbiguousDates, // every date reads day first and month first alike: the order must be said
        MixedDates,     // some dates are day first, others month first
    };
    Kind kind = Kind::Unreadable;
    std::string text;
};

// One row taken from the file: its line in the file (the first line is 1), its date and its
// price in whole cents, rounded half to even from the file's decimal text.
struct PricePoint {
    int line = 0;
    Date date;
    std::int64_t cents = 0;
};

// A price file as read, before anything is merged.
struct PriceTable {
    std::vector<std::string> headings;
    std::optional<std::size_t> dateColumn, valueColumn; // as found or named, even when the other is not
    std::string dateForm;                    // the dates' form as found, e.g. "DD.MM.YYYY" or "Mon DD, YYYY"
    std::optional<DateOrder> order;          // the order numeric dates were read in, when the file has any
    std::vector<PricePoint> points;          // in the file's order
    int skipped = 0;                         // rows whose date or price could not be read
    int firstSkippedLine = 0;                // the first of them, for the summary
    std::optional<PriceFileProblem> problem; // set when there are no points
};

PriceTable readPriceTable(std::string_view csv, const PriceImportOptions& options);
// The file's text; nothing when it cannot be read or is larger than any export of one investment's
// history.
std::optional<std::string> priceFileText(const std::filesystem::path& path);
PriceTable readPriceFile(const std::filesystem::path& path, const PriceImportOptions& options);

// What the import does with one week of the file.
struct ImportedWeek {
    enum class Fate { Added, Replaced, LeftOut };
    Date date;
    double value = 0;
    Fate fate = Fate::Added;
    std::optional<ValueRecord> replaced; // the database's record of the same week
};

struct PriceImportCounts {
    int added = 0;    // weeks kept that the database did not have
    int replaced = 0; // weeks kept whose record the imported value replaced
    int skipped = 0;  // rows whose date or price could not be read
    int firstSkippedLine = 0;
    int leftOut = 0;    // the file's own oldest weeks beyond the database's limit
    int ownDropped = 0; // the database's own oldest records beyond the limit
    int held = 0;       // records the database holds afterwards
};

struct PriceImport {
    ValueDatabase db;
    PriceImportCounts counts;
    std::vector<ImportedWeek> weeks;  // newest first
    std::vector<ValueRecord> dropped; // the database's own records given up, newest first
};

// Each calendar week (Monday to Sunday) of the table gives the value of its latest row, dated with
// that row's date; it replaces the database's record of that week or is added. The records end
// newest first, numbered from 1, at most kMaxRecords of them (the newest); the title and the
// earnings stay. The table must have points.
PriceImport mergePrices(const ValueDatabase& db, const PriceTable& table);

// "52 weeks imported: 50 added, 2 replaced. The database holds 180 records." and what was
// skipped, left out or given up, for the window and the command line alike; or the same as a plan
// ("52 weeks to import: 50 to add, ...") before the import.
enum class Tense { Done, Planned };
std::string importSummary(const PriceImportCounts& counts, Tense tense = Tense::Done);

// "DMY", "MDY" or "YMD" as the command line names an order, in any case.
std::optional<DateOrder> dateOrderNamed(std::string_view name);

// A value cut or rounded to cents from the decimal text it came from, never from a product of
// doubles: 262144.04 stays 262144.04.
double valueFromCents(std::int64_t cents);

} // namespace brisk
