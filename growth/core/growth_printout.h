// The printed growth table, the comparison examples, and the compound growth comparisons.
#pragma once

#include "app/core/printout.h"
#include "growth/core/compound_finder.h"
#include "growth/core/savings_plan.h"

namespace brisk {

Printout savingsPrintout(const SavingsInputs& inputs, const SavingsPlan& plan, const PrintContext& context);
inline constexpr std::size_t kExamplesFirstPage = 15;
// The examples (comparisonsTable): 15 on the first page, the rest (to 22) on the second.
Printout comparisonsPrintout(const ResultTable& examples, const PrintContext& context);
// The finder's rows (finderTable): kFinderRowsFirstPage on the first page, the rest on the second.
Printout finderPrintout(const ResultTable& rows, const PrintContext& context);

} // namespace brisk
