// What one retirement planner window works on: its inputs, and the last year table with the inputs
// it was calculated from.
#pragma once

#include "app/ui/calculator_document.h"
#include "retirement/core/retirement_plans.h"

namespace brisk {

using RetirementDocument = Document<RetireInputs, YearTable>;
using CapitalDocument = Document<CapitalInputs, YearTable>;
using Plan401kDocument = Document<Plan401kInputs, YearTable>;

// Makes the main menu's three retirement entries open their windows.
void registerRetirementWindows();

} // namespace brisk
