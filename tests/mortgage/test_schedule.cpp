// The amortization engine against figures worked out apart from it (the standard annuity formula
// and a plain balance loop written separately).
#include "mortgage/core/mortgage_file.h"
#include "mortgage/core/schedule.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace brisk;
using namespace std::chrono;

namespace {

MortgageInputs mortgage(double principal, double rate, double years,
                        FrequencyKind frequency = FrequencyKind::Monthly,
                        CompoundingKind compounding = CompoundingKind::Monthly) {
    MortgageInputs in = MortgageInputs::defaults(MortgageKind::Mortgage);
    in.principal = *Currency::fromDouble(principal);
    in.rate = *Percent::fromDouble(rate);
    in.termYears = *Years::fromDouble(years);
    in.frequency = frequency;
    in.compounding = compounding;
    in.CalcMode = ShowPayments::All;
    return in;
}

Schedule run(const MortgageInputs& in) {
    const auto outcome = calculateSchedule(in);
    EXPECT_TRUE(outcome) << "message " << outcome.message;
    return outcome ? *outcome.value : Schedule{};
}

} // namespace

// Long figures: tests/reference/figures.py works them out apart from the program.
TEST(Schedule, StandardMonthlyMortgage) {
    const Schedule s = run(mortgage(100000, 10.125, 25));
    // M = P i / (1 - (1 + i)^-300), i = 0.10125 / 12.
    EXPECT_NEAR(s.payment, 917.5273207627538, 1e-9);
    ASSERT_EQ(s.payments.size(), 300u);
    EXPECT_EQ(s.payments.back().balance, 0.0);
    EXPECT_NEAR(s.payments.front().interest, 843.75, 1e-9); // 100,000 x 0.10125 / 12
    EXPECT_NEAR(s.payments.back().cumulativePrincipal, 100000.0, 1e-6);
    // The engine keeps the principal of each year's first payment to four decimals: the totals
    // agree with an unrounded loop to well within a cent.
    EXPECT_NEAR(s.totalPaid, 275258.1962288292, 0.005);
    EXPECT_EQ(s.interestSavings, 0.0); // the standard schedule saves nothing
    EXPECT_FLOAT_EQ(s.YearsToFinal, 25.0f);
    EXPECT_EQ(s.payments[0].yearLabel, 1);
    EXPECT_EQ(s.payments[1].yearLabel, 0);
    EXPECT_EQ(s.payments[12].yearLabel, 2);
}

// Long figures: tests/reference/figures.py works them out apart from the program.
TEST(Schedule, SemiannualCompoundingUsesTheMonthlyEquivalentRate) {
    const Schedule s = run(mortgage(100000, 10.125, 25, FrequencyKind::Monthly, CompoundingKind::Semiannual));
    EXPECT_NEAR(s.monthlyRate, std::pow(1 + 0.10125 / 2, 1.0 / 6) - 1, 1e-15);
    EXPECT_NEAR(s.payment, 902.9129674863602, 1e-9);
    EXPECT_EQ(s.payments.size(), 300u);
}

// Long figures: tests/reference/figures.py works them out apart from the program.
TEST(Schedule, AcceleratedPaymentsEndEarlyAndSave) {
    const Schedule acc = run(mortgage(100000, 10.125, 25, FrequencyKind::BiweeklyAcc));
    EXPECT_NEAR(acc.payment, 917.5273207627538 / 2, 1e-9);
    ASSERT_EQ(acc.payments.size(), 482u); // the balance loop ends at payment 482
    EXPECT_NEAR(acc.YearsToFinal, 482.0 / 26, 1e-5);
    EXPECT_EQ(acc.payments.back().balance, 0.0);
    EXPECT_NEAR(acc.totalPaid, 220861.4024850293, 1e-4);
    EXPECT_NEAR(acc.interestSavings, 54396.79374380002, 1e-4);

    const Schedule plain = run(mortgage(100000, 10.125, 25, FrequencyKind::TwoWeeks));
    EXPECT_EQ(plain.payments.size(), 638u); // about 25 years
}

// Long figures: tests/reference/figures.py works them out apart from the program.
TEST(Schedule, DaysInYearSetTheTwoWeeklyPeriods) {
    MortgageInputs in = mortgage(100000, 10.125, 25, FrequencyKind::TwoWeeks);
    in.DaysChoice = 2; // 364 days: exactly 26 periods
    EXPECT_NEAR(run(in).periodicRate, 0.003885422573201014, 1e-15);
    in.DaysChoice = 0; // 365.25 days
    EXPECT_NEAR(run(in).periodicRate, std::pow(1 + 0.10125 / 12, 12 / 26.08928571) - 1, 1e-15);
    EXPECT_TRUE(run(in).normalDays == false);
}

TEST(Schedule, AdditionalPaymentsApplyAtTheYearStartUnlessTheyPayOffTheLoan) {
    MortgageInputs in = mortgage(100000, 10.125, 25);
    const Schedule plain = run(in);
    in.ExtraPayments[2].amount = Currency::fromWhole(200000); // more than is owed: ignored
    const Schedule ignored = run(in);
    EXPECT_EQ(ignored.payments.size(), plain.payments.size());
    EXPECT_NEAR(ignored.payments[12].principal, plain.payments[12].principal, 1e-4);
    EXPECT_EQ(ignored.appliedExtraPayments, 0);

    in.ExtraPayments[2].amount = Currency::fromWhole(5000);
    const Schedule applied = run(in);
    EXPECT_EQ(applied.appliedExtraPayments, 1);
    EXPECT_NEAR(applied.payments[12].principal, plain.payments[12].principal + 5000, 1e-4);
    EXPECT_EQ(applied.payments[11].principal, plain.payments[11].principal);
    EXPECT_LT(applied.payments.size(), plain.payments.size());
    EXPECT_GT(applied.interestSavings, 10.0);
}

TEST(Schedule, IncreasedPaymentRaisesEveryPayment) {
    MortgageInputs in = mortgage(100000, 10.125, 25);
    in.ExtraPercent = 0.05f;
    const Schedule s = run(in);
    EXPECT_NEAR(s.payment, 917.5273207627538 * 1.05, 1e-4);
    EXPECT_NEAR(s.paymentIncrease, 917.5273207627538 * 0.05, 1e-4);
    EXPECT_LT(s.payments.size(), 300u);
}

// Long figures: tests/reference/figures.py works them out apart from the program.
TEST(Schedule, AnnualTotalsSumEachYear) {
    MortgageInputs in = mortgage(100000, 10.125, 25);
    in.CalcMode = ShowPayments::Annual;
    const Schedule s = run(in);
    ASSERT_EQ(s.years.size(), 25u);
    EXPECT_EQ(s.GridRowCount(), 25);
    EXPECT_NEAR(s.years[0].interest, 10082.737510346575, 1e-3);
    EXPECT_NEAR(s.years[0].principal, 927.5903388066, 1e-3);
    EXPECT_NEAR(s.years[0].balance, 99072.4096611934, 1e-3);
    EXPECT_EQ(s.years.back().balance, 0.0);
    EXPECT_EQ(s.years[4].number, 5);
}

TEST(Schedule, PaymentDatesStepByMonthsOrDays) {
    struct Case {
        FrequencyKind frequency;
        Date start;
        std::vector<Date> expected;
    };
    const Date jan31{year(2002), month(1), day(31)}, jan15{year(2002), month(1), day(15)};
    for (const Case& c : std::vector<Case>{
             {FrequencyKind::Monthly,
              jan31,
              {jan31, Date{year(2002), month(2), day(28)}, Date{year(2002), month(3), day(31)}}},
             {FrequencyKind::Semimonthly,
              jan15,
              {jan15, Date{year(2002), month(1), day(29)}, Date{year(2002), month(2), day(15)},
               Date{year(2002), month(3), day(1)}}},
             {FrequencyKind::WeeklyAcc,
              jan31,
              {jan31, Date{year(2002), month(2), day(7)}, Date{year(2002), month(2), day(14)}}},
             {FrequencyKind::TwoWeeks, jan31, {jan31, Date{year(2002), month(2), day(14)}}}}) {
        MortgageInputs in = mortgage(100000, 10.125, 25, c.frequency);
        in.ViewDates = true;
        in.StartDate = c.start;
        const Schedule s = run(in);
        for (std::size_t k = 0; k < c.expected.size(); ++k)
            EXPECT_EQ(s.payments[k].date, c.expected[k])
                << frequencyOf(c.frequency).item << " payment " << k + 1;
    }
    MortgageInputs annual = mortgage(100000, 10.125, 25);
    annual.ViewDates = true;
    annual.CalcMode = ShowPayments::Annual;
    annual.StartDate = jan31;
    EXPECT_EQ(run(annual).years[1].date, (Date{year(2003), month(1), day(31)}));
}

TEST(Schedule, RefusesWhatCannotBeComputed) {
    auto extra = [](double amount) {
        MortgageInputs in = mortgage(100000, 10, 25);
        in.ExtraPayments[2] = {Currency::fromWhole(2), *Currency::fromDouble(amount)};
        return in;
    };
    auto increase = [](float percent) {
        MortgageInputs in = mortgage(100000, 10, 25);
        in.ExtraPercent = percent;
        return in;
    };
    struct Case {
        MortgageInputs in;
        Msg message;
    };
    MortgageInputs loan = MortgageInputs::defaults(MortgageKind::Loan);
    loan.termYears = *Years::fromDouble(481.0 / 12);
    for (const Case& c :
         {Case{mortgage(100000, 0, 25), Msg::WrongEntry}, Case{mortgage(100000, 10, 0), Msg::WrongEntry},
          Case{mortgage(100000, 10, 41), Msg::YearLimit40},
          Case{mortgage(100000, 10, 40.5), Msg::YearLimit40}, Case{loan, Msg::YearLimit40},
          Case{mortgage(-5, 10, 25), Msg::WrongEntry},
          // Beyond what a file holds, and a term too short for one monthly payment.
          Case{mortgage(100000000000.01, 10, 25), Msg::WrongEntry},
          Case{mortgage(100000, 100.001, 25), Msg::WrongEntry}, Case{extra(100000000000.01), Msg::WrongEntry},
          Case{increase(std::nan("")), Msg::PercentLimit},
          Case{mortgage(100000, 10, 0.01), Msg::WrongEntry}}) {
        const auto outcome = calculateSchedule(c.in);
        EXPECT_FALSE(outcome);
        EXPECT_EQ(outcome.message, c.message);
    }
}

TEST(Schedule, ZeroPrincipalGivesAnAllZeroSchedule) {
    const Schedule s = run(mortgage(0, 10, 5));
    ASSERT_EQ(s.payments.size(), 60u);
    for (const ScheduleRow& row : s.payments)
        EXPECT_EQ(row.balance, 0.0);
}

TEST(Schedule, LongWeeklySchedulesKeepEveryRow) {
    MortgageInputs in = mortgage(500000, 2, 40, FrequencyKind::OneWeek);
    const Schedule s = run(in);
    EXPECT_GT(s.payments.size(), 2000u);
    EXPECT_EQ(s.payments.back().balance, 0.0);
    for (std::size_t k = 0; k < s.payments.size(); ++k)
        EXPECT_EQ(s.payments[k].number, static_cast<int>(k) + 1);
}

TEST(Schedule, ALoanCountsMonthsAndAShortOneStillCharts) {
    MortgageInputs in = MortgageInputs::defaults(MortgageKind::Loan);
    const Schedule s = run(in); // 20,000 over 48 months
    EXPECT_EQ(s.payments.size(), 48u);
    EXPECT_DOUBLE_EQ(s.finalPaymentTime(MortgageKind::Loan), 48.0);
    in.termYears = *Years::fromDouble(6.0 / 12);
    const Schedule shortLoan = run(in);
    EXPECT_EQ(shortLoan.payments.size(), 6u);
    const auto points = shortLoan.yearStartBalances(20000);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0], 20000.0);
    EXPECT_EQ(points[1], 0.0);
}

// Payment dates stay within the four-digit years a file can hold.
TEST(Schedule, DatesEndBeforeTheYear10000) {
    MortgageInputs in = mortgage(100000, 10, 25);
    in.ViewDates = true;
    in.StartDate = Date{std::chrono::year(9973), std::chrono::month(1), std::chrono::day(1)};
    EXPECT_FALSE(validate(in));
    in.StartDate = Date{std::chrono::year(9974), std::chrono::month(1), std::chrono::day(1)};
    EXPECT_EQ(validate(in), Msg::WrongDate);
    in.StartDate = Date{std::chrono::year(9999), std::chrono::month(12), std::chrono::day(31)};
    EXPECT_EQ(validate(in), Msg::WrongDate);
}

// The limits themselves compute, save and load again.
TEST(Schedule, TheLimitsOfAFileCompute) {
    MortgageInputs in = mortgage(kMostPrincipal, kMostRate, 1);
    in.ExtraPayments[1] = {Currency::fromWhole(1), *Currency::fromDouble(kMostPrincipal)};
    in.ExtraPaymentCount = 1;
    EXPECT_FALSE(validate(in));
    EXPECT_TRUE(calculateSchedule(in));
    const auto back = parseMortgageFile(mortgageFileBytes(in, {}), MortgageKind::Mortgage, {});
    ASSERT_TRUE(back);
    EXPECT_EQ(back->principal, in.principal);
    EXPECT_EQ(back->ExtraPayments[1].amount, in.ExtraPayments[1].amount);
}

TEST(Schedule, ASinglePaymentPaysThePrincipal) {
    MortgageInputs in = MortgageInputs::defaults(MortgageKind::Loan);
    in.termYears = *Years::fromDouble(1.0 / 12);
    const Schedule s = run(in);
    ASSERT_EQ(s.payments.size(), 1u);
    EXPECT_NEAR(s.payments[0].principal, 20000.0, 1e-6);
    EXPECT_EQ(s.payments[0].balance, 0.0);
}
