#include "retirement/core/retirement_chart.h"

namespace brisk {

namespace {

Outcome<ChartHandover> yearChart(const YearTable& table, ChartCaller caller, const std::string& title) {
    return trapCalc([&] {
        ChartHandover chart;
        chart.GraphCaller = caller;
        chart.setYearChart(yearEndValues(table), title);
        chart.StartValue = Currency::fromDoubleOrFail(table.startValue);
        return chart;
    });
}

} // namespace

Outcome<ChartHandover> retirementChart(const YearTable& table, bool fixedAmount) {
    return yearChart(table, fixedAmount ? ChartCaller::RetirementFixed : ChartCaller::Retirement,
                     retirementChartTitle(fixedAmount));
}

Outcome<ChartHandover> capitalChart(const YearTable& table) {
    return yearChart(table, ChartCaller::CapitalRequired, "Investment value at end of each Year");
}

Outcome<ChartHandover> plan401kChart(const YearTable& table) {
    return yearChart(table, ChartCaller::Plan401k, "Investment value at end of each Year");
}

} // namespace brisk
