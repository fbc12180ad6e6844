// The growth calculators' chart figures at the limit of what a chart can hold.
#include "growth/core/growth_chart.h"

#include <gtest/gtest.h>

using namespace brisk;

namespace {

Outcome<ChartHandover> finderOf(double cost, double value) {
    const auto row = findCompoundGrowth(
        {*Currency::fromDouble(cost), *Currency::fromDouble(value), Years::fromWhole(1), "Fund"});
    EXPECT_TRUE(row);
    return finderChart({*row.value});
}

} // namespace

// Over one year the rate is value / cost - 1; charted in percent it must fit a currency value
// (at most 922,337,203,685,477.58).
TEST(GrowthChart, FinderRateAtTheCurrencyLimit) {
    const auto fits = finderOf(1, 9e12); // 899,999,999,999,900 %
    ASSERT_TRUE(fits);
    EXPECT_EQ(fits->GraphPointCount, 1);
    EXPECT_EQ(fits->GraphCaller, ChartCaller::CompoundFinder);
    // g comes from a power in double precision: about 15 significant digits.
    EXPECT_NEAR(fits->charted[0].toDouble(), 899999999999900.0, 10.0);
    EXPECT_DOUBLE_EQ(fits->shares[0].toDouble(), 9e12);

    const auto tooLarge = finderOf(0.01, 9e11); // 9e15 %
    EXPECT_FALSE(tooLarge);
    EXPECT_EQ(tooLarge.message, Msg::WrongEntry);
}

TEST(GrowthChart, ComparisonsListEveryExampleByItsFinalValue) {
    std::vector<SavingsExample> examples;
    for (int rate : {10, 20}) {
        SavingsInputs in;
        in.rate = Percent::fromWhole(rate);
        in.term = Years::fromWhole(1);
        examples.push_back({in, *calculateSavings(in).value});
    }
    const auto chart = comparisonsChart(examples);
    ASSERT_TRUE(chart);
    EXPECT_EQ(chart->GraphPointCount, 2);
    EXPECT_EQ(chart->CalcMode, PlannerMode::Comparisons);
    // One annual contribution of 1,200 for a year: 1,320.00 at 10%, 1,440.00 at 20%.
    EXPECT_DOUBLE_EQ(chart->charted[0].toDouble(), 1320.0);
    EXPECT_DOUBLE_EQ(chart->charted[1].toDouble(), 1440.0);
    EXPECT_EQ(chart->labels[1], exampleLabel(2));
}

// The planner charts the value at the end of each whole year: a term of 0 computes one period but
// ends no year, so there is nothing to chart (and Show Graph and To Printer say so).
TEST(GrowthChart, APointForEachWholeYear) {
    const struct {
        const char* frequency;
        int term, points;
    } cases[] = {
        {"Annually", 0, 0}, {"Monthly", 0, 0}, {"Annually", 1, 1}, {"Monthly", 1, 1}, {"Monthly", 40, 40}};
    for (const auto& c : cases) {
        SavingsInputs in;
        in.frequency = *contributionsNamed(c.frequency);
        in.term = Years::fromWhole(c.term);
        const auto chart = planChart(*calculateSavings(in).value);
        ASSERT_TRUE(chart);
        EXPECT_EQ(chart->GraphPointCount, c.points) << c.frequency << " " << c.term;
    }
}
