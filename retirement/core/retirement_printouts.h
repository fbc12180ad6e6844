// The printed reports of the three retirement planners: inputs, then the year table by pages,
// each page repeating the header, the rule and the column heading and ending with its number.
#pragma once

#include "app/core/printout.h"
#include "retirement/core/retirement_plans.h"

namespace brisk {

Printout retirementPrintout(const RetireInputs& inputs, const YearTable& table, const PrintContext& context);
Printout capitalPrintout(const CapitalInputs& inputs, const YearTable& table, const PrintContext& context);
Printout plan401kPrintout(const Plan401kInputs& inputs, const YearTable& table, const PrintContext& context);

} // namespace brisk
