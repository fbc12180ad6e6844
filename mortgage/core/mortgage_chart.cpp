#include "mortgage/core/mortgage_chart.h"

namespace brisk {

Outcome<ChartHandover> mortgageChart(const MortgageInputs& calculated, const Schedule& schedule) {
    return trapCalc([&] {
        ChartHandover chart;
        chart.GraphCaller = ChartCaller::Mortgage;
        chart.setYearChart(schedule.yearStartBalances(calculated.principal.toDouble()),
                           mortgageChartTitle(calculated.MortgageMode));
        return chart;
    });
}

} // namespace brisk
