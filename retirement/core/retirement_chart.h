// The retirement planners' charts: the value at the end of each year (the income planner's from
// the capital at the start).
#pragma once

#include "app/core/outcome.h"
#include "charts/core/chart_handover.h"
#include "retirement/core/retirement_plans.h"

namespace brisk {

// Each gives message 3 where a figure cannot be charted.
Outcome<ChartHandover> retirementChart(const YearTable& table, bool fixedAmount);
Outcome<ChartHandover> capitalChart(const YearTable& table);
Outcome<ChartHandover> plan401kChart(const YearTable& table);

} // namespace brisk
