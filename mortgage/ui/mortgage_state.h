// The mortgage calculator's program-wide values: the inputs the windows show and edit, and the
// last schedule with the inputs it was calculated from.
#pragma once

#include "mortgage/core/schedule.h"

#include <optional>

namespace brisk {

struct MortgageState {
    MortgageInputs inputs;
    std::optional<Schedule> schedule; // a schedule has been calculated (a short loan's too)
    MortgageInputs calculated;        // what it was calculated from: printout, file and chart use it
};

MortgageState& mortgage();

// Makes the main menu's "Mortgage" and "Payment on a Loan" open the calculator.
void registerMortgageWindows();

} // namespace brisk
