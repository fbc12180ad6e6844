// The printed growth table, the comparison examples, and the compound growth comparisons.
#pragma once

#include "app/core/printout.h"
#include "growth/core/compound_finder.h"
#include "growth/core/savings_plan.h"

namespace brisk {

Printout savingsPrintout(const SavingsInputs& inputs, const SavingsPlan& plan, const PrintContext& context);
// The examples' printout text, page 1 (examples 1 to 15) and page 2 (16 to 22).
Printout comparisonsPrintout(const std::string& page1, const std::string& page2, const PrintContext& context);
Printout finderPrintout(const std::string& page1, const std::string& page2, const PrintContext& context);

// Prints pre-formatted text, one printed line per line of the text.
void printTextBlock(Printout& printout, const std::string& text);

} // namespace brisk
