// The inputs of a mortgage or loan calculation, the lists they are chosen from, and the day-count
// constants of the two-weekly and weekly payment periods.
#pragma once

#include "app/core/currency.h"
#include "app/core/dates.h"
#include "app/core/modes.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace brisk {

// CalcMode: the grid shows annual totals or every payment. The number is the one files keep.
enum class ShowPayments : int { Annual = 1, All = 2 };
inline constexpr int kMaxExtraYears = 45; // rows of the additional payments table
inline constexpr int kMortgageYearLimit = 40;
inline constexpr int kLoanMonthLimit = 480;
// The largest principal or additional payment and the highest rate (percent) a file holds, and so
// what Calculate takes: whatever can be saved loads again.
inline constexpr double kMostPrincipal = 1e11;
inline constexpr double kMostRate = 100;

enum class CompoundingKind { Monthly, Bimonthly, Quarterly, Semiannual, Annual };

// The compounding list, in order: items as the list and the files show them, with their periods per
// year.
struct Compounding {
    const char* item;
    CompoundingKind kind;
    int periodsPerYear;
};
inline constexpr std::array<Compounding, 5> kCompoundings = {
    {{"      Monthly", CompoundingKind::Monthly, 12},
     {"    Bimonthly", CompoundingKind::Bimonthly, 6},
     {"    Quarterly", CompoundingKind::Quarterly, 4},
     {"   Semiannual", CompoundingKind::Semiannual, 2},
     {"       Annual", CompoundingKind::Annual, 1}}};

enum class FrequencyKind { Monthly, Semimonthly, TwoWeeks, OneWeek, BiweeklyAcc, WeeklyAcc };

// The payment frequency list, in order (as the kinds are).
struct Frequency {
    const char* item;
    FrequencyKind kind;
    int paymentsPerYear;
    double paymentFactor; // the payment as a share of the standard monthly payment
    int boundPerYear;     // payments per year of the loop bound
    int boundExtra;       // payments added to the bound beyond the term
};
inline constexpr std::array<Frequency, 6> kFrequencies = {{
    {"      Monthly", FrequencyKind::Monthly, 12, 1.0, 12, 0},
    {"  Semimonthly", FrequencyKind::Semimonthly, 24, 0.5, 26, 50},
    {"      2 Weeks", FrequencyKind::TwoWeeks, 26, 12.0 / 26.0, 26, 50},
    {"      1 Week", FrequencyKind::OneWeek, 52, 12.0 / 52.0, 52, 50},
    {" Biweekly(Acc)", FrequencyKind::BiweeklyAcc, 26, 0.5, 26, 50},
    {"   Weekly(Acc)", FrequencyKind::WeeklyAcc, 52, 0.25, 52, 50},
}};

// The days-in-year choices (DaysChoice 0 to 3) and the periods per year they give.
struct DaysInYearChoice {
    const char* caption;
    float DaysInYear;
    double BiweeklyPeriods; // days / 14, to 8 decimals
    double WeeklyPeriods;   // days / 7, to 8 decimals
};
inline constexpr std::array<DaysInYearChoice, 4> kDaysChoices = {
    {{"365.25 days", 365.25f, 26.08928571, 52.17857143},
     {"365 days", 365.0f, 26.07142857, 52.14285714},
     {"364 days", 364.0f, 26.0, 52.0},
     {"363 days", 363.0f, 25.92857143, 51.85714286}}};

// Exact item text, leading blanks included; nothing for a text not in the list.
const Compounding* findCompounding(const std::string& item);
const Frequency* findFrequency(const std::string& item);
static_assert(kCompoundings[4].kind == CompoundingKind::Annual &&
                  kFrequencies[5].kind == FrequencyKind::WeeklyAcc,
              "the lists are in the order of their kinds");
inline const Compounding& compoundingOf(CompoundingKind kind) {
    return kCompoundings[static_cast<std::size_t>(kind)];
}
inline const Frequency& frequencyOf(FrequencyKind kind) {
    return kFrequencies[static_cast<std::size_t>(kind)];
}

struct ExtraPayment {
    Currency year;   // the year number, as the table keeps it
    Currency amount; // paid at the start of that payment year
};

struct MortgageInputs {
    MortgageKind MortgageMode = MortgageKind::Mortgage;
    Currency principal = Currency::fromWhole(100000); // InputValue 1
    Percent rate = *Percent::fromDouble(10.125);      // InputValue 2, percent
    Years termYears = Years::fromWhole(25);           // InputValue 3; a loan's months / 12
    CompoundingKind compounding = CompoundingKind::Monthly;
    FrequencyKind frequency = FrequencyKind::Monthly;
    int DaysChoice = 1;
    float ExtraPercent = 0; // the payment is raised by this fraction
    // Rows 0 to 45; row y holds the additional payment of payment year y.
    std::vector<ExtraPayment> ExtraPayments = std::vector<ExtraPayment>(kMaxExtraYears + 1);
    int ExtraPaymentCount = 0; // years that carry an additional payment
    std::optional<Date> StartDate;
    bool ViewDates = false; // the grid shows payment dates, not numbers
    ShowPayments CalcMode = ShowPayments::Annual;

    static MortgageInputs defaults(MortgageKind mode);
    const DaysInYearChoice& days() const;
    // The term in whole years, as the additional payments table counts them (at most 45).
    int extraYears() const;
    void eraseExtraPayments();
    // Numbers the rows of the additional payments table 1 to N when it holds no payment yet.
    void numberExtraYears();
    int countExtraPayments() const;
};

} // namespace brisk
