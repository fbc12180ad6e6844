#include "mortgage/core/mortgage_inputs.h"

#include "app/core/whole_number.h"

#include <algorithm>

namespace brisk {

const Compounding* findCompounding(const std::string& item) {
    for (const Compounding& c : kCompoundings)
        if (item == c.item) return &c;
    return nullptr;
}

const Frequency* findFrequency(const std::string& item) {
    for (const Frequency& f : kFrequencies)
        if (item == f.item) return &f;
    return nullptr;
}

MortgageInputs MortgageInputs::defaults(MortgageKind mode) {
    MortgageInputs inputs;
    inputs.MortgageMode = mode;
    if (mode == MortgageKind::Loan) {
        inputs.principal = Currency::fromWhole(20000);
        inputs.termYears = Years::fromWhole(4);
    }
    return inputs;
}

const DaysInYearChoice& MortgageInputs::days() const {
    return kDaysChoices[DaysChoice >= 0 && DaysChoice <= 3 ? DaysChoice : 1];
}

int MortgageInputs::extraYears() const {
    return std::clamp<int>(toInt32(termYears.toDouble()).value_or(0), 0, kMaxExtraYears);
}

void MortgageInputs::eraseExtraPayments() {
    ExtraPayments.assign(kMaxExtraYears + 1, {});
    ExtraPaymentCount = 0;
}

void MortgageInputs::numberExtraYears() {
    bool any = false;
    for (int y = 1; y <= extraYears(); ++y)
        any = any || ExtraPayments[y].amount > Currency();
    if (!any)
        for (int y = 1; y <= extraYears(); ++y)
            ExtraPayments[y].year = Currency::fromWhole(y);
}

int MortgageInputs::countExtraPayments() const {
    int count = 0;
    for (int y = 1; y <= extraYears(); ++y)
        if (ExtraPayments[y].amount > Currency()) ++count;
    return count;
}

} // namespace brisk
