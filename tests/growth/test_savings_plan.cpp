// The growth planner and the compound growth finder against figures worked out apart from them
// (a separate loop with the same rounding rules, and the finder's published examples).
#include "growth/core/compound_finder.h"
#include "growth/core/growth_printout.h"
#include "growth/core/savings_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace brisk;

namespace {

SavingsInputs plan(double lump, double amount, const char* frequency, double rate, double increase,
                   double inflation, double term) {
    return {*Currency::fromDouble(lump), *Currency::fromDouble(amount),  *contributionsNamed(frequency),
            *Percent::fromDouble(rate),  *Percent::fromDouble(increase), *Percent::fromDouble(inflation),
            *Years::fromDouble(term)};
}

SavingsPlan run(const SavingsInputs& in) {
    const auto outcome = calculateSavings(in);
    EXPECT_TRUE(outcome) << outcome.message;
    return outcome ? *outcome.value : SavingsPlan{};
}

} // namespace

TEST(SavingsPlan, Defaults) {
    const SavingsPlan s = run(SavingsInputs{});
    ASSERT_EQ(s.periods.size(), 25u);
    EXPECT_EQ(s.periods[0].interest, 240.0);
    EXPECT_EQ(s.periods[1].value, 3168.0); // (1,440 + 1,200) x 1.2
    EXPECT_EQ(s.totalInvested, 30000.0);
    EXPECT_NEAR(s.finalValue, 679652.7883, 1e-6);
    EXPECT_NEAR(s.totalInterest(), 649652.7883, 1e-6);
    EXPECT_EQ(s.yearEndValues.size(), 25u);
}

TEST(SavingsPlan, MonthlyTwelvePercentForAYear) {
    const SavingsPlan s = run(plan(0, 100, "Monthly", 12, 0, 0, 1));
    ASSERT_EQ(s.periods.size(), 12u);
    EXPECT_EQ(s.periods[0].interest, 0.9489); // 1.12^(1/12) - 1 is about 0.9489% a month
    EXPECT_NEAR(s.finalValue, 1276.6499, 1e-6);
    ASSERT_EQ(s.yearEndValues.size(), 1u);
}

// Long figures: tests/reference/figures.py works them out apart from the program.
TEST(SavingsPlan, InflationWithoutInterestShrinksTheValue) {
    const SavingsPlan s = run(plan(30000, 0, "Annually", 0, 0, 5, 25));
    EXPECT_NEAR(s.finalValue, 8321.687193655016, 1e-6);
    EXPECT_LT(s.totalInterest(), 0);
    for (std::size_t k = 1; k < s.periods.size(); ++k)
        EXPECT_LT(s.periods[k].value, s.periods[k - 1].value);
}

TEST(SavingsPlan, QuarterlyIncreaseRoundsEachContribution) {
    const SavingsPlan s = run(plan(0, 1000, "Quarterly", 10, 5, 0, 2));
    const double expected[] = {1000,      1012.2722, 1024.695,  1037.2703,
                               1049.9999, 1062.8857, 1075.9297, 1089.1338};
    ASSERT_EQ(s.periods.size(), 8u);
    for (int k = 0; k < 8; ++k)
        EXPECT_DOUBLE_EQ(s.periods[k].invested, expected[k]) << k;
}

TEST(SavingsPlan, ANegativeInflationRaisesTheValue) {
    const SavingsPlan s = run(plan(1000, 0, "Annually", 0, 0, -5, 2));
    EXPECT_NEAR(s.finalValue, 1000 * 1.05 * 1.05, 1e-9);
}

TEST(SavingsPlan, TermZeroComputesOnePeriod) {
    const SavingsPlan s = run(plan(1000, 100, "Annually", 10, 0, 0, 0));
    EXPECT_EQ(s.periodCount, 0);
    ASSERT_EQ(s.periods.size(), 1u);
    EXPECT_NEAR(s.finalValue, 1210, 1e-6);
    EXPECT_TRUE(s.yearEndValues.empty()); // no whole year: nothing to chart or print
}

TEST(SavingsPlan, RatesThatCannotCompoundAreRefused) {
    for (const SavingsInputs& in :
         {plan(1000, 100, "Annually", -100, 0, 0, 5), plan(1000, 100, "Annually", -150, 0, 0, 5),
          plan(1000, 100, "Quarterly", 10, -150, 0, 5), plan(1e14, 1e14, "Monthly", 900, 0, 0, 40)}) {
        const auto outcome = calculateSavings(in);
        EXPECT_FALSE(outcome);
        EXPECT_EQ(outcome.message, Msg::WrongEntry);
    }
}

TEST(SavingsExamples, TheWorkedExampleAsTheGridAndThePrintoutShowIt) {
    const ResultTable table = comparisonsTable({{SavingsInputs{}, run(SavingsInputs{})}});
    const auto shown = [&](const char* id) {
        const std::size_t at = *table.column(id);
        return displayText(table.rows[0][at], table.columns[at], {});
    };
    EXPECT_EQ(shown("periods"), "25");
    EXPECT_EQ(shown("lump"), ".00");
    EXPECT_EQ(shown("rate"), "20.00%");
    EXPECT_EQ(shown("total_invested"), "30,000.00");
    EXPECT_EQ(shown("final_value"), "679,652.79");
    EXPECT_EQ(exampleLabel(3), "Row  3");
    std::vector<std::string> lines;
    const Printout printed = comparisonsPrintout(table, {"", "$", 0, {}});
    for (const PrintLine& line : printed.pages()[0].lines)
        lines.push_back(line.text());
    const std::string row = " 25         .00    1,200.00  20.00%    .00%    .00%    30,000.00    679,652.79";
    const auto at = std::find(lines.begin(), lines.end(), row);
    ASSERT_NE(at, lines.end());
    ASSERT_LT(at + 1, lines.end());
    EXPECT_EQ(at[1], " " + std::string(77, '_'));
}

TEST(CompoundFinder, TheWorkedExamples) {
    struct Case {
        double cost, value, term;
        const char* grid;
        const char* printed;
        const char* gain;
    };
    for (const Case& c : {Case{1000, 2000, 5, "14.870%", "14.8698%", "100.00%"},
                          Case{25000, 200000, 20, "10.957%", "10.9569%", "700.00%"},
                          Case{500, 1000, 6, "12.246%", "12.2462%", "100.00%"},
                          Case{2.38, 5.14, 5, "16.648%", "16.6480%", "115.97%"}}) {
        const auto row = findCompoundGrowth({*Currency::fromDouble(c.cost), *Currency::fromDouble(c.value),
                                             *Years::fromDouble(c.term), "Fund"});
        ASSERT_TRUE(row);
        const ResultTable table = finderTable({*row.value});
        const auto shown = [&](const char* id) {
            const std::size_t at = *table.column(id);
            return displayText(table.rows[0][at], table.columns[at], {});
        };
        EXPECT_EQ(shown("rate"), c.grid);
        EXPECT_EQ(shown("total_gain"), c.gain);
        EXPECT_NE(finderPrintout(table, {"", "$", 0, {}}).plainText().find(c.printed), std::string::npos)
            << c.printed;
    }
}

TEST(CompoundFinder, PathFallingValueAndLimits) {
    const auto find = [](double cost, double value, double years) {
        return findCompoundGrowth(
            {*Currency::fromDouble(cost), *Currency::fromDouble(value), *Years::fromDouble(years), ""});
    };
    const auto up = find(1000, 2000, 5);
    ASSERT_TRUE(up);
    ASSERT_EQ(up->path.size(), 5u);
    EXPECT_EQ(up->path[0], 1148.0);        // 1,000 x 1.148698 rounded down
    EXPECT_NEAR(up->path[4], 2000.0, 1.0); // floating point may leave it a hair under
    const auto down = find(2000, 1000, 5);
    ASSERT_TRUE(down);
    EXPECT_LT(down->rate, 0);
    const ResultTable fallen = finderTable({*down.value});
    EXPECT_EQ(displayText(fallen.rows[0][5], fallen.columns[5], {}), "-50.00%");
    EXPECT_TRUE(find(1, 2, 50));
    EXPECT_EQ(find(1, 2, 51).message, Msg::YearLimit50);
    // A later value of nothing, or below nothing, has no compound rate; nor has a cost or a term of
    // nothing.
    for (const auto& [cost, value, years] :
         {std::tuple{1, 0, 5}, {1, -2, 5}, {0, 2, 5}, {-1, 2, 5}, {1, 2, 0}})
        EXPECT_EQ(find(cost, value, years).message, Msg::WrongEntry) << cost << " " << value << " " << years;
}
