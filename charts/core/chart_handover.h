// What a calculator hands to the chart window: who called, how many points, the title, and the
// values and labels of its year chart or its comparison rows. Every calculator fills it the same way.
#pragma once

#include "app/core/currency.h"
#include "app/core/modes.h"
#include "app/core/table.h"

#include <string>
#include <vector>

namespace brisk {

// Who opened the chart window, and so which window it returns to.
enum class ChartCaller : int {
    None = 0,
    GrowthPlanner = 1,
    Retirement = 2,
    RetirementFixed = 3,
    Mortgage = 4,
    CapitalRequired = 5,
    CompoundFinder = 6,
    Plan401k = 7,
};

// The columns of a year-chart or comparison row that the chart window reads.
inline constexpr int kChartLabelColumn = 1;        // year charts: the point's label
inline constexpr int kChartValueColumn = 5;        // the point's value
inline constexpr int kChartStartColumn = 4;        // year-end value the shifted charts start from
inline constexpr int kChartDistributionColumn = 3; // comparison rows: value shown by the pie
inline constexpr int kCompareLabelColumn = 0;      // comparison rows: the row's legend
inline constexpr int kChartColumns = 6;

struct ChartHandover {
    ChartCaller GraphCaller = ChartCaller::None;
    int GraphPointCount = 0;                  // 0 also means nothing has been calculated yet
    PlannerMode CalcMode = PlannerMode::None; // the growth planner's comparisons chart comparison rows
    std::string GraphTitle;
    // Year charts that begin from the amount at the start (the retirement planners): that amount.
    Currency StartValue;

    // Year charts: row k holds point k (rows from 1; row 0 stays empty), label and value.
    Table<std::string> YearLabels{0, kChartColumns};
    Table<Currency> YearValues{0, kChartColumns};
    // Comparison charts: row i (from 1) holds listed row i.
    Table<Currency> CompareValues{0, kChartColumns};
    Table<std::string> CompareLabels{0, kChartColumns};

    // A calculator's exit: nothing calculated, nobody calling.
    void reset() { *this = ChartHandover{}; }

    // A whole year chart: point k (from 1) has the label k and the k-th value. A value that does not
    // fit a currency value throws CalcFailure: the chart functions of the cores trap it.
    void setYearChart(const std::vector<double>& values, const std::string& title) {
        growTo(YearLabels, YearValues, static_cast<int>(values.size()));
        for (int k = 1; k <= static_cast<int>(values.size()); ++k)
            setYearPoint(k, std::to_string(k), Currency::fromDoubleOrFail(values[k - 1]));
        GraphPointCount = static_cast<int>(values.size());
        GraphTitle = title;
    }

    // Point `row` of a year chart; the tables grow as needed.
    void setYearPoint(int row, const std::string& label, Currency value) {
        growTo(YearLabels, YearValues, row);
        YearLabels(row, kChartLabelColumn) = label;
        YearValues(row, kChartValueColumn) = value;
    }

    // Listed row `row` of a comparison chart: its legend, the figure charted (column 5) and the
    // value shown by the distribution chart (column 3).
    void setComparison(int row, const std::string& label, Currency charted, Currency value) {
        growTo(CompareLabels, CompareValues, row);
        CompareLabels(row, kCompareLabelColumn) = label;
        CompareValues(row, kChartValueColumn) = charted;
        CompareValues(row, kChartDistributionColumn) = value;
    }

  private:
    template <typename A, typename B> static void growTo(A& labels, B& values, int row) {
        if (row < labels.rows()) return;
        A newLabels(row + 1, kChartColumns);
        B newValues(row + 1, kChartColumns);
        for (int r = 0; r < labels.rows(); ++r)
            for (int c = 0; c < kChartColumns; ++c) {
                newLabels(r, c) = labels(r, c);
                newValues(r, c) = values(r, c);
            }
        labels = std::move(newLabels);
        values = std::move(newValues);
    }
};

} // namespace brisk
