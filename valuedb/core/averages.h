// The averages and ratios sheet: moving averages, high, low and last values and their differences,
// the market direction, and the price/earnings figures.
#pragma once

#include "app/core/outcome.h"
#include "valuedb/core/value_database.h"

#include <array>
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

// WeekPointsMode: the sheet's periods counted in weeks or in data values.
enum class SheetPeriods { Weeks = 0, Values = 1 };

// The captions that follow the period wording.
struct PeriodTexts {
    std::array<std::string, 7> periods; // " 2 Weeks" ... " 104 Weeks"
    std::string all;                    // " 130 Weeks (All)"
    std::string toggle;                 // the check box: "Change to Data Values"
};
PeriodTexts periodTexts(int records, SheetPeriods periods);

// The sheet as it is shown: each figure formatted, and the captions that depend on the data.
struct SheetTexts {
    PeriodTexts periods;
    std::string title;
    std::array<std::string, 7> averages;
    std::string averageAll;
    std::string direction;
    std::string high, low, last;
    std::string highLowDiff, highLastDiff, lowLastDiff;
    std::string earningsCaption, latestEarnings; // " Annual Earnings 2001" and its amount
    struct EarningsChange {
        std::string caption, value; // " Change 2000 - 2001", "25.00%"
    };
    std::array<EarningsChange, 4> changes;
    std::string peRatio;
    std::string riskCaption, risk;     // " Risk at 10 times Earnings", "25.00%"
    std::string targetCaption, target; // " Could Rise to:", "20.00  "
    bool riskBelowZero = false;        // shown in red
};
SheetTexts sheetTexts(const SheetFigures& f, const ValueDatabase& db, const std::string& currencySymbol,
                      SheetPeriods periods);

} // namespace brisk
