// The amortization engine: periodic rates, the regular payment, one row per payment, the final
// payment adjustment, annual totals, payment dates and the summary figures.
#pragma once

#include "app/core/outcome.h"
#include "mortgage/core/mortgage_inputs.h"

#include <optional>
#include <vector>

namespace brisk {

struct ScheduleRow {
    int number = 0;    // payment number, or the year in annual totals
    int yearLabel = 0; // the payment year, on the first payment of each year (number view)
    double interest = 0, principal = 0, balance = 0, cumulativeInterest = 0, cumulativePrincipal = 0;
    std::optional<Date> date;
};

struct Schedule {
    int paymentsPerYear = 12;
    double monthlyRate = 0;  // i_m
    double periodicRate = 0; // i_p, shown as the interest rate factor
    double payment = 0;      // the regular payment, with the increase
    double paymentIncrease = 0;
    double standardLifeTotal = 0;      // S: the standard monthly schedule's total
    std::vector<ScheduleRow> payments; // every recorded payment, payment 1 first
    std::vector<ScheduleRow> years;    // the annual totals, year 1 first (annual mode only)
    float YearsToFinal = 0;
    double totalPaid = 0;
    double interestSavings = 0; // below 10.00 it is 0
    int appliedExtraPayments = 0;
    std::vector<int> appliedExtraYears; // the payment years whose additional payment was applied
    bool annual = false;
    bool viewDates = false;
    float DaysInYear = 365;
    bool normalDays = true; // monthly and semimonthly payments do not use the days in year

    // The rows the grid and the printout show: the annual totals or every payment.
    const std::vector<ScheduleRow>& shown() const { return annual ? years : payments; }
    int GridRowCount() const { return static_cast<int>(shown().size()); }
    // Years (mortgage) or months (loan) to the final payment.
    double finalPaymentTime(MortgageKind mortgageMode) const;
    // The chart's points: the balance at the start of each payment year, at least two.
    std::vector<double> yearStartBalances(double principal) const;
};

// The title of the balances chart.
inline const char* mortgageChartTitle(MortgageKind mode) {
    return mode == MortgageKind::Loan ? "Personal Loan balance at start of each Year"
                                      : "Mortgage balance at start of each Year";
}

// The message that stops a calculation before it starts, if any (the 40-year limit: message 5).
std::optional<Msg> validate(const MortgageInputs& inputs);
// The whole schedule, or message 3 where the figures cannot be computed (a zero rate or term).
Outcome<Schedule> calculateSchedule(const MortgageInputs& inputs);

} // namespace brisk
