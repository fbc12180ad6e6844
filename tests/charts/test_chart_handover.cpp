// The chart hand-over every calculator fills: rows grow as points are set, exit resets the caller.
#include "charts/core/chart_handover.h"

#include <gtest/gtest.h>

using namespace brisk;

TEST(ChartHandover, YearPointsAndComparisonRowsKeepEarlierRows) {
    ChartHandover chart;
    chart.setYearPoint(1, "1", Currency::fromWhole(100));
    chart.setYearPoint(3, "3", Currency::fromWhole(300));
    ASSERT_EQ(chart.YearValues.rows(), 4);
    EXPECT_EQ(chart.YearLabels(1, kChartLabelColumn), "1");
    EXPECT_EQ(chart.YearValues(1, kChartValueColumn), Currency::fromWhole(100));
    EXPECT_EQ(chart.YearValues(3, kChartValueColumn), Currency::fromWhole(300));
    EXPECT_EQ(chart.YearValues(2, kChartValueColumn), Currency());

    chart.setComparison(1, "Fund A", *Currency::fromDouble(6.9), Currency::fromWhole(16000));
    chart.setComparison(22, "Fund V", *Currency::fromDouble(1.5), Currency::fromWhole(900));
    ASSERT_EQ(chart.CompareValues.rows(), 23);
    EXPECT_EQ(chart.CompareLabels(1, kCompareLabelColumn), "Fund A");
    EXPECT_EQ(chart.CompareValues(1, kChartDistributionColumn), Currency::fromWhole(16000));
    EXPECT_EQ(chart.CompareValues(22, kChartValueColumn), *Currency::fromDouble(1.5));

    chart.GraphCaller = ChartCaller::CompoundFinder;
    chart.GraphPointCount = 22;
    chart.reset();
    EXPECT_EQ(chart.GraphCaller, ChartCaller::None);
    EXPECT_EQ(chart.GraphPointCount, 0);
}
