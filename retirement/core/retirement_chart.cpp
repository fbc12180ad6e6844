#include "retirement/core/retirement_chart.h"

namespace brisk {

namespace {

// Each year's value, the table's "value" column.
Outcome<ChartHandover> yearChart(const YearTable& table, Planner planner, ChartCaller caller,
                                 const std::string& title) {
    return trapCalc([&] {
        ChartHandover chart;
        chart.GraphCaller = caller;
        chart.setYearChart(yearResultTable(table, planner).series("value"), title);
        chart.StartValue = Currency::fromDoubleOrFail(table.startValue);
        return chart;
    });
}

} // namespace

Outcome<ChartHandover> retirementChart(const YearTable& table, bool fixedAmount) {
    return yearChart(table, Planner::Income,
                     fixedAmount ? ChartCaller::RetirementFixed : ChartCaller::Retirement,
                     retirementChartTitle(fixedAmount));
}

Outcome<ChartHandover> capitalChart(const YearTable& table) {
    return yearChart(table, Planner::Capital, ChartCaller::CapitalRequired,
                     "Investment value at end of each Year");
}

Outcome<ChartHandover> plan401kChart(const YearTable& table) {
    return yearChart(table, Planner::Plan401k, ChartCaller::Plan401k, "Investment value at end of each Year");
}

} // namespace brisk
