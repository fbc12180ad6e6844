// What one mortgage or loan window works on: the inputs it shows and edits, and the last schedule
// with the inputs it was calculated from (the first date filled in).
#pragma once

#include "app/ui/calculator_document.h"
#include "mortgage/core/schedule.h"

namespace brisk {

class MortgageDocument : public Document<MortgageInputs, Schedule> {
  public:
    explicit MortgageDocument(MortgageKind kind) : Document(MortgageInputs::defaults(kind)) {}
    bool isLoan() const { return inputs.MortgageMode == MortgageKind::Loan; }
};

// Makes the main menu's "Mortgage" and "Payment on a Loan" open the calculator.
void registerMortgageWindows();

} // namespace brisk
