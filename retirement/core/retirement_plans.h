// The three retirement planners: income drawn from a capital (by percentage or a fixed monthly
// amount), the capital required for a goal, and a 401(k) account to retirement.
#pragma once

#include "app/core/currency.h"
#include "app/core/outcome.h"
#include "app/core/result_table.h"

#include <string>
#include <vector>

namespace brisk {

inline constexpr int kRetireYearLimit = 50;

// One year of a planner's table. The two middle figures are, by planner: interest and withdrawn
// (income), investment and interest (capital required), contribution and interest (401(k)).
struct YearRow {
    int year = 0;
    double salary = 0; // 401(k) only
    double first = 0;
    double second = 0;
    double value = 0;
};

struct YearTable {
    std::vector<YearRow> rows;
    YearRow totals;
    double startValue = 0; // the amount the chart begins from
    int years() const { return static_cast<int>(rows.size()); }
};

// A planner's table: the year, (the 401(k)'s salary,) its two figures and the value, with the totals.
enum class Planner { Income, Capital, Plan401k };
ResultTable yearResultTable(const YearTable& table, Planner planner);

// The chart titles of the retirement income options.
inline const char* retirementChartTitle(bool fixed) {
    return fixed ? "Retirement value at start of each Year" : "Retirement value at end of each Year";
}

// The grid rows a table of `years` rows needs: at least 25, else room for the totals below.
int gridRowsFor(int years);
// The number of year rows as text with a leading blank for its sign (" 25").
std::string RetireYearsText(int years);

// Retirement income. Option percentage: `drawn` is the percent of the value withdrawn each year
// and `fourth` the years. Option fixed: `drawn` is the monthly amount and `fourth` its yearly
// increase in percent.
enum class RetireOption { Percentage, Fixed };
struct RetireInputs {
    RetireOption option = RetireOption::Percentage;
    Currency value = Currency::fromWhole(500000); // InputValue 1
    Percent rate = Percent::fromWhole(10);        // InputValue 2
    Currency drawn = Currency::fromWhole(8);      // InputValue 3
    Currency fourth = Currency::fromWhole(20);    // InputValue 4
};
// Message 4 past 50 years, 7 when the income exceeds the capital, 3 when nothing can be drawn.
Outcome<YearTable> calculateRetirement(const RetireInputs& inputs);

enum class CapitalOption { Capital, Income };
struct CapitalInputs {
    CapitalOption option = CapitalOption::Capital;
    Currency amount = Currency::fromWhole(100000); // capital, or the yearly income required
    Percent rate = Percent::fromWhole(15);
    Years term = Years::fromWhole(25);
};
// Message 4 past 50 years; 3 for a zero rate or term (no level investment exists).
Outcome<YearTable> calculateCapital(const CapitalInputs& inputs);

struct Plan401kInputs {
    Currency balance = Currency::fromWhole(10000);
    Currency salary = Currency::fromWhole(50000);
    Percent contribution = Percent::fromWhole(5); // of salary
    Percent company = Percent::fromWhole(4);      // of salary
    Percent raise = Percent::fromWhole(4);
    Percent returnRate = Percent::fromWhole(10);
    Percent inflation;
    Years years = Years::fromWhole(25);
};
Outcome<YearTable> calculate401k(const Plan401kInputs& inputs);

} // namespace brisk
