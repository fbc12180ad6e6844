// How each chart is made from the hand-over, and the trend graph's pages.
#include "charts/core/chart_data.h"
#include "valuedb/core/trend_pages.h"

#include <gtest/gtest.h>

using namespace brisk;

namespace {
ChartHandover yearChart(ChartCaller caller, std::vector<double> values, double start = 0) {
    ChartHandover h;
    h.GraphCaller = caller;
    h.GraphTitle = "Investment value at end of each Year";
    h.setYearChart(values, h.GraphTitle);
    h.StartValue = *Currency::fromDouble(start);
    return h;
}
} // namespace

TEST(ChartKinds, FirstChartAndButtonsPerCaller) {
    EXPECT_EQ(firstKind(ChartCaller::GrowthPlanner, PlannerMode::Planning), kKindYear2D);
    EXPECT_EQ(firstKind(ChartCaller::GrowthPlanner, PlannerMode::Comparisons), kKindCompare2D);
    EXPECT_EQ(firstKind(ChartCaller::CompoundFinder, PlannerMode::None), kKindCompare2D);
    for (ChartCaller caller : {ChartCaller::Retirement, ChartCaller::RetirementFixed, ChartCaller::Mortgage,
                               ChartCaller::CapitalRequired, ChartCaller::Plan401k})
        EXPECT_EQ(offeredKinds(caller, PlannerMode::None), (std::vector<int>{kKindYear2D, kKindYear3D}))
            << static_cast<int>(caller);
    EXPECT_EQ(offeredKinds(ChartCaller::CompoundFinder, PlannerMode::None),
              (std::vector<int>{kKindCompare2D, kKindCompare3D, kKindGainLoss, kKindPie}));
    EXPECT_EQ(offeredKinds(ChartCaller::GrowthPlanner, PlannerMode::Comparisons),
              (std::vector<int>{kKindCompare2D, kKindCompare3D, kKindPie}));
}

TEST(ChartKinds, YearCharts) {
    const ChartData one = prepareChart(yearChart(ChartCaller::GrowthPlanner, {1440}), kKindYear2D, "$");
    ASSERT_EQ(one.values.size(), 2u); // a one-year plan is drawn as two points
    EXPECT_EQ(one.values[0], 1440.0);
    EXPECT_EQ(one.title, "Investment value at end of each Year");
    EXPECT_EQ(one.type, ChartType::Bar2D);
    // The retirement income chart starts from the capital: each point is the value at a year's start.
    const ChartData shifted =
        prepareChart(yearChart(ChartCaller::Retirement, {105, 110, 115}, 100), kKindYear3D, "$");
    EXPECT_EQ(shifted.values, (std::vector<double>{100, 105, 110}));
    EXPECT_EQ(shifted.labels, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(shifted.type, ChartType::Bar3D);
    // The 401(k) and capital charts show the year-end values as they are.
    EXPECT_EQ(prepareChart(yearChart(ChartCaller::Plan401k, {5, 6}, 4), kKindYear2D, "$").values,
              (std::vector<double>{5, 6}));
}

TEST(ChartKinds, ComparisonCharts) {
    ChartHandover h;
    h.GraphCaller = ChartCaller::CompoundFinder;
    h.GraphTitle = "Annual compound growth comparisons";
    std::vector<std::string> legends;
    std::vector<double> gains, values;
    for (int i = 1; i <= 22; ++i) {
        legends.push_back("Investment number " + std::to_string(i));
        gains.push_back(i * 1.5);
        values.push_back(1000 * i + 0.5);
    }
    h.setComparisons(legends, gains, values);
    const ChartData bars = prepareChart(h, kKindCompare2D, "$");
    ASSERT_EQ(bars.values.size(), 22u);
    EXPECT_EQ(bars.labels[21], "Investment number 22");
    EXPECT_EQ(bars.axisTitle, "Gain %");
    const ChartData pie = prepareChart(h, kKindPie, "€");
    EXPECT_EQ(pie.type, ChartType::Pie);
    EXPECT_EQ(pie.values[2], 3000.0); // the whole units of the value
    EXPECT_EQ(pie.axisTitle, "Value €");
    h.GraphCaller = ChartCaller::GrowthPlanner;
    EXPECT_EQ(prepareChart(h, kKindCompare3D, "$").axisTitle, "Value $");
    EXPECT_EQ(prepareChart(h, kKindGainLoss, "$").title, "Current Value ");
}

TEST(TrendPages, PagingThroughThirtyRecords) {
    TrendPage page = firstTrendPage(30);
    EXPECT_EQ(page, (TrendPage{1, 26}));
    page = olderPage(page, 30);
    EXPECT_EQ(page, (TrendPage{27, 30}));
    EXPECT_EQ(olderPage(page, 30), page); // Back only disables itself
    EXPECT_EQ(newerPage(page), (TrendPage{1, 26}));
    EXPECT_EQ(newerPage(TrendPage{1, 26}), (TrendPage{1, 26}));
    EXPECT_EQ(olderPage(firstTrendPage(26), 26), firstTrendPage(26));
    EXPECT_EQ(olderPage(TrendPage{1, 26}, 27), (TrendPage{27, 27}));
    EXPECT_EQ((TrendPage{27, 27}).points(), 2);
}

TEST(TrendPages, ChartOfAPage) {
    ValueDatabase db;
    db.DbTitle = "XYZ";
    db.records.push_back(
        {1, Date{std::chrono::year(2002), std::chrono::month(3), std::chrono::day(8)}, 14.37});
    const ChartData c = trendChart(db, firstTrendPage(1), true, false);
    EXPECT_EQ(c.title, "XYZ");
    ASSERT_EQ(c.values.size(), 2u);
    EXPECT_EQ(c.labels[0], "8-3-02");
    EXPECT_EQ(c.labels[1], "");
    EXPECT_FALSE(c.colour);
}
