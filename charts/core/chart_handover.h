// What a calculator hands to the chart window: who called, how many points, the title, and the
// labels and series of its year chart or its comparison rows. Every calculator fills it the same way.
#pragma once

#include "app/core/currency.h"
#include "app/core/modes.h"

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

struct ChartHandover {
    ChartCaller GraphCaller = ChartCaller::None;
    int GraphPointCount = 0;                  // 0 also means nothing has been calculated yet
    PlannerMode CalcMode = PlannerMode::None; // the growth planner's comparisons chart comparison rows
    std::string GraphTitle;
    // Year charts that begin from the amount at the start (the retirement planners): that amount.
    Currency StartValue;

    // Point k (from 0): its label (the year, or a comparison's legend), the figure charted and, in a
    // comparison chart, the value the distribution chart shows.
    std::vector<std::string> labels;
    std::vector<Currency> charted;
    std::vector<Currency> shares;

    // A calculator's exit: nothing calculated, nobody calling.
    void reset() { *this = ChartHandover{}; }

    // A whole year chart: point k (from 1) has the label k and the k-th value. A value that does not
    // fit a currency value throws CalcFailure: the chart functions of the cores trap it.
    void setYearChart(const std::vector<double>& values, const std::string& title) {
        labels.clear();
        charted.clear();
        for (std::size_t k = 0; k < values.size(); ++k) {
            labels.push_back(std::to_string(k + 1));
            charted.push_back(Currency::fromDoubleOrFail(values[k]));
        }
        GraphPointCount = static_cast<int>(values.size());
        GraphTitle = title;
    }

    // A comparison chart: each listed row's legend, the figure charted (a series of its table) and
    // the value its distribution chart shows. Throws CalcFailure as setYearChart does.
    void setComparisons(std::vector<std::string> legends, const std::vector<double>& figures,
                        const std::vector<double>& values) {
        labels = std::move(legends);
        charted.clear();
        shares.clear();
        for (double figure : figures)
            charted.push_back(Currency::fromDoubleOrFail(figure));
        for (double value : values)
            shares.push_back(Currency::fromDoubleOrFail(value));
        GraphPointCount = static_cast<int>(labels.size());
    }
};

} // namespace brisk
