// The mortgage calculator's chart: the balance at the start of each year.
#pragma once

#include "app/core/outcome.h"
#include "charts/core/chart_handover.h"
#include "mortgage/core/mortgage_inputs.h"
#include "mortgage/core/schedule.h"

namespace brisk {

// Message 3 where a figure cannot be charted.
Outcome<ChartHandover> mortgageChart(const MortgageInputs& calculated, const Schedule& schedule);

} // namespace brisk
