// Mortgage (.umd) and loan (.uld) files: the inputs and options of a calculation, no schedule.
#pragma once

#include "app/core/dates.h"
#include "app/core/outcome.h"
#include "mortgage/core/mortgage_inputs.h"

#include <string>
#include <string_view>

namespace brisk {

// Line 1 of fifteen fields, then one line of year and amount per additional-payment row.
std::string mortgageFileBytes(const MortgageInputs& inputs, const ShortDateForm& dateForm);

// The inputs of a file written for `mode`; message 13 for anything else (a damaged file, values
// out of range, or a file of the other mode). The start date is read in `dateForm` first, then in
// any form that gives one date only, so a file saved under another locale still loads.
Outcome<MortgageInputs> parseMortgageFile(std::string_view bytes, MortgageKind mode,
                                          const ShortDateForm& dateForm);

} // namespace brisk
