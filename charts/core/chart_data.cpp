#include "charts/core/chart_data.h"

#include <algorithm>
#include <cmath>

namespace brisk {

bool isComparisonCaller(ChartCaller caller, PlannerMode calcMode) {
    return caller == ChartCaller::CompoundFinder ||
           (caller == ChartCaller::GrowthPlanner && calcMode == PlannerMode::Comparisons);
}

int firstKind(ChartCaller caller, PlannerMode calcMode) {
    return isComparisonCaller(caller, calcMode) ? kKindCompare2D : kKindYear2D;
}

std::vector<int> offeredKinds(ChartCaller caller, PlannerMode calcMode) {
    if (!isComparisonCaller(caller, calcMode)) return {kKindYear2D, kKindYear3D};
    // Only the finder's figures are gains; the planner's comparisons are values.
    if (caller == ChartCaller::CompoundFinder)
        return {kKindCompare2D, kKindCompare3D, kKindGainLoss, kKindPie};
    return {kKindCompare2D, kKindCompare3D, kKindPie};
}

ChartData prepareChart(const ChartHandover& h, int kind, const std::string& symbol) {
    ChartData c;
    const int n = std::max(h.GraphPointCount, 0);
    const auto points = [&](const std::vector<Currency>& series) {
        return std::min<std::size_t>({static_cast<std::size_t>(n), series.size(), h.labels.size()});
    };
    auto comparisons = [&](const std::vector<Currency>& series, bool wholeUnits) {
        for (std::size_t i = 0; i < points(series); ++i) {
            const double v = series[i].toDouble();
            c.values.push_back(wholeUnits ? std::trunc(v) : v);
            c.labels.push_back(h.labels[i]);
        }
        c.legend = true;
    };
    switch (kind) {
    case kKindGainLoss:
        c.title = "Current Value ";
        c.axisTitle = "Gain %";
        comparisons(h.charted, false);
        break;
    case kKindPie:
    case kKindPie3D:
        c.title = "Distribution";
        c.axisTitle = "Value " + symbol;
        c.type = kind == kKindPie ? ChartType::Pie : ChartType::Bar3D;
        comparisons(h.shares, true);
        break;
    case kKindCompare2D:
    case kKindCompare3D:
        c.title = h.GraphTitle;
        c.axisTitle = h.GraphCaller == ChartCaller::CompoundFinder ? "Gain %" : "Value " + symbol;
        c.type = kind == kKindCompare2D ? ChartType::Bar2D : ChartType::Bar3D;
        comparisons(h.charted, false);
        break;
    default: { // the year charts
        c.title = h.GraphTitle;
        c.type = kind == kKindYear3D ? ChartType::Bar3D : ChartType::Bar2D;
        std::vector<double> values;
        std::vector<std::string> labels;
        for (std::size_t i = 0; i < points(h.charted); ++i) {
            values.push_back(h.charted[i].toDouble());
            labels.push_back(h.labels[i]);
        }
        // The retirement income charts begin with the capital at the start: each year shows the
        // value it starts with.
        if (h.GraphCaller == ChartCaller::Retirement || h.GraphCaller == ChartCaller::RetirementFixed) {
            values.insert(values.begin(), h.StartValue.toDouble());
            values.pop_back();
        }
        // A single year is drawn as two points, the second one empty.
        while (values.size() < 2) {
            values.push_back(0);
            labels.push_back("");
        }
        c.values = values;
        c.labels = labels;
        break;
    }
    }
    return c;
}

} // namespace brisk
