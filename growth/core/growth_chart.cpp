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
        const int n = static_cast<int>(examples.size());
        for (int i = 1; i <= n; ++i) {
            const Currency value = Currency::fromDoubleOrFail(examples[i - 1].plan.finalValue);
            chart.setComparison(i, exampleLabel(i), value, value);
        }
        chart.GraphPointCount = n;
        return chart;
    });
}

Outcome<ChartHandover> finderChart(const std::vector<FinderRow>& rows) {
    return trapCalc([&] {
        ChartHandover chart;
        chart.GraphCaller = ChartCaller::CompoundFinder;
        chart.GraphTitle = "Annual compound growth comparisons";
        int n = 0;
        for (const FinderRow& row : rows)
            chart.setComparison(++n, row.inputs.name, Currency::fromDoubleOrFail(row.rate * 100),
                                row.inputs.value);
        chart.GraphPointCount = n;
        return chart;
    });
}

} // namespace brisk
