// The retirement planners' program-wide values: each planner's inputs, the last table and the
// inputs it was calculated from.
#pragma once

#include "retirement/core/retirement_plans.h"

#include <optional>
#include <string>

namespace brisk {

struct RetirementState {
    RetireInputs retire, retireCalculated;
    CapitalInputs capital, capitalCalculated;
    Plan401kInputs plan401k, plan401kCalculated;
    std::optional<YearTable> table; // the table on show; none after any change
    std::string RetireYearsText;
};

RetirementState& retirement();

// Makes the main menu's three retirement entries open their windows.
void registerRetirementWindows();

} // namespace brisk
