// What one chart shows: a title, an axis title, one data set of points with their labels, the
// chart type and the fill; and how each chart kind of the chart window is made from the hand-over.
#pragma once

#include "charts/core/chart_handover.h"

#include <string>
#include <vector>

namespace brisk {

enum class ChartType { Bar2D, Bar3D, Pie };

struct ChartData {
    std::string title;
    std::string axisTitle;
    ChartType type = ChartType::Bar2D;
    std::vector<double> values;
    std::vector<std::string> labels;
    bool legend = false; // the labels name the points in a legend rather than under the bars
    bool colour = true;  // colours, or black-and-white patterns
};

// The chart kinds of the chart window.
enum ChartKind : int {
    kKindGainLoss = 1, // 2D bars of the comparison figures, "Gain %"
    kKindPie = 2,      // the value of each listed row
    kKindYear2D = 3,   // year charts
    kKindPie3D = 4,    // the distribution as 3D bars
    kKindYear3D = 5,
    kKindCompare2D = 6, // the comparisons
    kKindCompare3D = 7,
};

// True for the callers whose hand-over holds comparison rows (the planner's comparisons, the finder).
bool isComparisonCaller(ChartCaller caller, PlannerMode calcMode);
// The first chart a caller gets, and the kinds its buttons offer (those with data for it).
int firstKind(ChartCaller caller, PlannerMode calcMode);
std::vector<int> offeredKinds(ChartCaller caller, PlannerMode calcMode);
// The chart of `kind` for the caller in the hand-over.
ChartData prepareChart(const ChartHandover& handover, int kind, const std::string& currencySymbol);

} // namespace brisk
