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

// One year of a planner's table. Money goes in (the capital planner's investment, the 401(k)'s
// contributions) or comes out (the income withdrawn); each planner shows its own with the interest.
struct YearRow {
    int year = 0;
    double salary = 0;    // 401(k) only
    double paidIn = 0;    // capital required and 401(k)
    double withdrawn = 0; // income only
    double interest = 0;
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

// Retirement income: a percentage of the value withdrawn each year for a number of years, or a
// fixed monthly amount raised each year until the capital runs out. Each option reads its own two.
enum class RetireOption { Percentage, Fixed };
struct RetireInputs {
    RetireOption option = RetireOption::Percentage;
    Currency value = Currency::fromWhole(500000); // InputValue 1
    Percent rate = Percent::fromWhole(10);        // InputValue 2
    // Percentage: InputValues 3 and 4.
    Percent withdrawnPercent = Percent::fromWhole(8);
    Years years = Years::fromWhole(20);
    // Fixed: InputValues 3 and 4.
    Currency monthly = Currency::fromWhole(1000);
    Percent yearlyIncrease;
};
// Message 4 past 50 years, 7 when the income exceeds the capital, 3 when nothing can be drawn.
Outcome<YearTable> calculateRetirement(const RetireInputs& inputs);

enum class CapitalOption { Capital, Income };
// The goal is a capital, or a yearly income drawn at the rate; each option reads its own amount.
struct CapitalInputs {
    CapitalOption option = CapitalOption::Capital;
    Currency capital = Currency::fromWhole(100000);
    Currency yearlyIncome = Currency::fromWhole(40000);
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
