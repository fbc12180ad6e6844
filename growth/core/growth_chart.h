// The growth calculators' charts: the planner's year-end values, its comparisons, and the finder's
// investments.
#pragma once

#include "app/core/outcome.h"
#include "charts/core/chart_handover.h"
#include "growth/core/compound_finder.h"
#include "growth/core/savings_plan.h"

#include <vector>

namespace brisk {

// Each gives message 3 where a figure cannot be charted.
Outcome<ChartHandover> planChart(const SavingsPlan& plan);
// One row a listed example: its final value.
Outcome<ChartHandover> comparisonsChart(const std::vector<SavingsExample>& examples);
// One row an investment: its rate in percent charted, its later value distributed.
Outcome<ChartHandover> finderChart(const std::vector<FinderRow>& rows);

} // namespace brisk
