// The chart hand-over every calculator fills: its points and series.
#include "charts/core/chart_handover.h"

#include <gtest/gtest.h>

using namespace brisk;

// A year chart's points are labelled by their year; a comparison's by their legends, with the
// charted figure and the distribution's value side by side; a second chart replaces the first.
TEST(ChartHandover, YearAndComparisonPoints) {
    ChartHandover chart;
    chart.setYearChart({100, 0, 300}, "Years");
    EXPECT_EQ(chart.labels, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(chart.charted,
              (std::vector<Currency>{Currency::fromWhole(100), Currency(), Currency::fromWhole(300)}));
    EXPECT_EQ(chart.GraphPointCount, 3);

    chart.setComparisons({"Fund A", "Fund V"}, {6.9, 1.5}, {16000, 900});
    EXPECT_EQ(chart.labels, (std::vector<std::string>{"Fund A", "Fund V"}));
    EXPECT_EQ(chart.charted, (std::vector<Currency>{*Currency::fromDouble(6.9), *Currency::fromDouble(1.5)}));
    EXPECT_EQ(chart.shares, (std::vector<Currency>{Currency::fromWhole(16000), Currency::fromWhole(900)}));
    EXPECT_EQ(chart.GraphPointCount, 2);
}
