#include "growth/core/growth_chart.h"

namespace brisk {

Outcome<ChartHandover> planChart(const SavingsPlan& plan) {
    return trapCalc([&] {
        ChartHandover chart;
        chart.GraphCaller = ChartCaller::GrowthPlanner;
        chart.CalcMode = PlannerMode::Planning;
        chart.setYearChart(plan.yearEndValues, "Investment value at end of each Year");
        return chart;
    });
}

Outcome<ChartHandover> comparisonsChart(const std::vector<SavingsExample>& examples) {
    return trapCalc([&] {
        ChartHandover chart;
        chart.GraphCaller = ChartCaller::GrowthPlanner;
        chart.CalcMode = PlannerMode::Comparisons;
        chart.GraphTitle = "Savings Comparisons";
        // Each example's final value, charted and shared out alike.
        const std::vector<double> values = comparisonsTable(examples).series("final_value");
        std::vector<std::string> legends;
        for (std::size_t i = 1; i <= examples.size(); ++i)
            legends.push_back(exampleLabel(static_cast<int>(i)));
        chart.setComparisons(std::move(legends), values, values);
        return chart;
    });
}

Outcome<ChartHandover> finderChart(const std::vector<FinderRow>& rows) {
    return trapCalc([&] {
        ChartHandover chart;
        chart.GraphCaller = ChartCaller::CompoundFinder;
        chart.GraphTitle = "Annual compound growth comparisons";
        std::vector<std::string> legends;
        std::vector<double> rates, values;
        for (const FinderRow& row : rows) {
            legends.push_back(row.inputs.name);
            rates.push_back(row.rate * 100);
            values.push_back(row.inputs.value.toDouble());
        }
        chart.setComparisons(std::move(legends), rates, values);
        return chart;
    });
}

} // namespace brisk
