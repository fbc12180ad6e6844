// What one growth window works on: the planner's inputs and plan (in comparisons mode also the
// examples listed so far), or the finder's inputs and the rows listed so far.
#pragma once

#include "app/core/modes.h"
#include "app/ui/calculator_document.h"
#include "growth/core/compound_finder.h"
#include "growth/core/savings_plan.h"

#include <vector>

namespace brisk {

class SavingsDocument : public Document<SavingsInputs, SavingsPlan> {
  public:
    explicit SavingsDocument(PlannerMode mode) : mode(mode) {}
    bool comparisons() const { return mode == PlannerMode::Comparisons; }

    const PlannerMode mode;
    std::vector<SavingsExample> examples; // comparisons mode, up to kMaxExamples of them
};

using FinderDocument = Document<FinderInputs, std::vector<FinderRow>>;

// Makes the main menu's planner, comparisons and finder entries open their windows.
void registerGrowthWindows();

} // namespace brisk
