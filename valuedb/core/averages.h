// The averages and ratios sheet: moving averages, high, low and last values and their differences,
// the market direction, and the price/earnings figures.
#pragma once

#include "app/core/outcome.h"
#include "valuedb/core/value_database.h"

#include <map>
#include <string>
#include <vector>

namespace brisk {

inline constexpr int kAveragePeriods[7] = {2, 4, 6, 8, 26, 52, 104};

struct SheetFigures {
    int records = 0;
    double averages[7] = {}; // 0 where the period is longer than the data
    double avgAll = 0, high = 0, low = 0, last = 0;
    double highLowDiff = 0, lowLastDiff = 0, highLastDiff = 0;
    std::string direction; // "Upswing", "Downswing", "Sideways" or "Need 8 Points"
    bool hasEarnings = false;
    int latestYear = 0;
    double latestEarnings = 0, peRatio = 0, riskPct = 0, target = 0;
    std::vector<double> earnChanges; // row k against row k + 1, four decimals
};

// Message 27, with the date of the record last reached as its detail, where a figure would divide
// by zero; message 29 with fewer than two records.
struct SheetOutcome {
    Outcome<SheetFigures> figures;
    std::string detail;
};
SheetOutcome computeSheet(const ValueDatabase& db, const ShortDateForm& form);

// The texts of the sheet's value labels and period labels, by label name, in the weeks wording
// (weekMode 0) or the data-values wording (1).
std::map<std::string, std::string> sheetTexts(const SheetFigures& f, const ValueDatabase& db,
                                              const std::string& currencySymbol, int weekMode);
std::map<std::string, std::string> periodTexts(int records, int weekMode);

} // namespace brisk
