// The growth calculators' program-wide values: the planner's inputs and results, its listed
// examples with their printout text, and the finder's rows.
#pragma once

#include "growth/core/compound_finder.h"
#include "growth/core/savings_plan.h"

#include <optional>
#include <string>
#include <vector>

namespace brisk {

struct GrowthState {
    SavingsInputs inputs;
    std::optional<SavingsPlan> plan;      // the planning table on show
    SavingsInputs planned;                // the inputs it was calculated from
    std::vector<SavingsExample> examples; // comparisons mode, CompareCount of them
    FinderInputs finderInputs;
    std::vector<FinderRow> finderRows;
};

GrowthState& growth();

// Makes the main menu's planner, comparisons and finder entries open their windows.
void registerGrowthWindows();

} // namespace brisk
