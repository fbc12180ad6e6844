// The investment growth planner: a lump sum and a growing regular contribution compounded at the
// contribution frequency, less inflation, period by period; and its comparison examples.
#pragma once

#include "app/core/currency.h"
#include "app/core/modes.h"
#include "app/core/outcome.h"
#include "app/core/result_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisk {

inline constexpr int kMaxExamples = 22;
inline constexpr int kSavingsYearLimit = 40;

enum class Contributions { Annually, Quarterly, Monthly };
// The frequency list's items, in the order of the kinds.
inline const char* const kContributionFrequencies[] = {"Annually", "Quarterly", "Monthly"};
inline const char* frequencyName(Contributions frequency) {
    return kContributionFrequencies[static_cast<int>(frequency)];
}
// The kind of a list item; nothing for a text not in the list.
std::optional<Contributions> contributionsNamed(std::string_view item);

struct SavingsInputs {
    Currency lumpSum;                            // InputValue 1
    Currency amount = Currency::fromWhole(1200); // InputValue 2: each contribution period
    Contributions frequency = Contributions::Annually;
    Percent rate = Percent::fromWhole(20); // InputValue 4, percent a year
    Percent increase;                      // InputValue 5, percent a year
    Percent inflation;                     // InputValue 6, percent a year
    Years term = Years::fromWhole(25);     // InputValue 7, years
};

struct SavingsPeriod {
    int number;
    double invested; // the contribution of the period (period 1: lump sum too)
    double interest;
    double value; // at the period's end
};

struct SavingsPlan {
    int periodsPerYear = 1;
    int periodCount = 0;                // N; a term of 0 still computes one period
    std::vector<SavingsPeriod> periods; // every computed period
    double totalInvested = 0;
    double finalValue = 0;
    double totalInterest() const { return finalValue - totalInvested; }
    // The value at the end of each whole year: none for a term of 0, so its one period is neither
    // charted nor printed.
    std::vector<double> yearEndValues;
};

int periodsPerYear(Contributions frequency);

// Every period of the plan: what was invested, the interest and the value at its end.
ResultTable planTable(const SavingsPlan& plan);
// Message 3 when the figures cannot be computed (a rate of -100% or less, an overflow).
Outcome<SavingsPlan> calculateSavings(const SavingsInputs& inputs);

// One listed example of the comparisons mode.
struct SavingsExample {
    SavingsInputs inputs;
    SavingsPlan plan;
};

// The listed examples: each one's inputs, its periods and its totals.
ResultTable comparisonsTable(const std::vector<SavingsExample>& examples);

// The legend of example n on the chart: "Row" and the number after a blank for its sign.
std::string exampleLabel(int n);

} // namespace brisk
