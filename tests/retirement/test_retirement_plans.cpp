// The retirement planners against figures worked out apart from them (hand calculations and a
// separate loop with the same rounding rules).
#include "app/core/mask_format.h"
#include "retirement/core/retirement_chart.h"
#include "retirement/core/retirement_plans.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace brisk;

namespace {

RetireInputs percentage(double value, double rate, double drawn, double years) {
    RetireInputs in;
    in.option = RetireOption::Percentage;
    in.value = *Currency::fromDouble(value);
    in.rate = *Percent::fromDouble(rate);
    in.withdrawnPercent = *Percent::fromDouble(drawn);
    in.years = *Years::fromDouble(years);
    return in;
}
RetireInputs fixed(double value, double rate, double monthly, double increase) {
    return {.option = RetireOption::Fixed,
            .value = *Currency::fromDouble(value),
            .rate = *Percent::fromDouble(rate),
            .monthly = *Currency::fromDouble(monthly),
            .yearlyIncrease = *Percent::fromDouble(increase)};
}
template <typename O> YearTable ok(const O& outcome) {
    EXPECT_TRUE(outcome) << "message " << outcome.message;
    return outcome ? *outcome.value : YearTable{};
}

} // namespace

TEST(Retirement, PercentageWorkedExampleGrowsFivePercentAYear) {
    const YearTable t = ok(calculateRetirement(percentage(100000, 20, 15, 25)));
    ASSERT_EQ(t.years(), 25);
    EXPECT_NEAR(t.rows[0].interest, 20000.0, 0.001);   // interest
    EXPECT_DOUBLE_EQ(t.rows[0].withdrawn, 15000.0005); // income: cut to cents, plus 0.0005
    EXPECT_DOUBLE_EQ(t.rows[0].value, 105000.0005);
    for (int k = 1; k < 25; ++k) {
        EXPECT_NEAR(t.rows[k].withdrawn, t.rows[k - 1].withdrawn * 1.05, 0.02) << k;
        EXPECT_NEAR(t.rows[k].value, t.rows[k - 1].value * 1.05, 0.02) << k;
    }
    EXPECT_EQ(t.totals.value, t.rows.back().value);
    EXPECT_EQ(RetireYearsText(t.years()), " 25");
}

// The window's defaults, to the cent past the first year: only the rate is single precision, so
// 1 + r - w is taken in double (figures from independent reference implementations).
TEST(Retirement, PercentageOptionToTheCentOverTwentyYears) {
    const YearTable t = ok(calculateRetirement(percentage(500000, 10, 8, 20)));
    ASSERT_EQ(t.years(), 20);
    EXPECT_EQ(Format(t.rows[0].value, "0.00"), "510000.00");
    EXPECT_EQ(Format(t.rows[19].value, "0.00"), "742973.62");
}

TEST(Retirement, RefusalsOfThePercentageOption) {
    EXPECT_EQ(calculateRetirement(percentage(100000, 10, 100, 5)).message,
              Msg::CannotComplete); // income above the value
    EXPECT_EQ(calculateRetirement(percentage(0, 10, 5, 5)).message, Msg::CannotComplete);
    EXPECT_EQ(calculateRetirement(percentage(100000, 10, 5, 51)).message, Msg::YearLimit50);
    EXPECT_TRUE(calculateRetirement(percentage(100000, 10, 5, 50)));
}

// Nothing drawn: the capital only grows, to the 50 years (tests/reference/figures.py for 6%).
TEST(Retirement, NothingDrawnMonthlyGrowsFiftyYears) {
    const YearTable kept = ok(calculateRetirement(fixed(10000, 0, 0, 3)));
    ASSERT_EQ(kept.years(), 50);
    for (const YearRow& row : kept.rows)
        EXPECT_TRUE(row.withdrawn == 0 && row.interest == 0 && row.value == 10000) << row.year;
    const YearTable grown = ok(calculateRetirement(fixed(10000, 6, 0, 3)));
    ASSERT_EQ(grown.years(), 50);
    EXPECT_NEAR(grown.rows.back().value, 184201.5284, 0.00005);
    EXPECT_EQ(grown.totals.withdrawn, 0);
    EXPECT_EQ(gridRowsFor(grown.years()), 54);
    EXPECT_EQ(gridRowsFor(21), 25);
    EXPECT_EQ(gridRowsFor(22), 26);
}

// The least capital that lasts the 50 years, and a cent less, whose 50th year is the partial one
// the capital runs out in; year 1's interest beside year 2's (tests/reference/figures.py).
TEST(Retirement, AFixedAmountLastsFiftyYearsFromTheLeastCapital) {
    const YearTable lasts = ok(calculateRetirement(fixed(74080.01, 8.57, 448.15, 1.26)));
    ASSERT_EQ(lasts.years(), 50);
    EXPECT_EQ(Format(lasts.rows[0].interest, "0.00"), "6140.56");
    EXPECT_EQ(Format(lasts.rows[1].interest, "0.00"), "6203.30");
    EXPECT_NEAR(lasts.rows.back().value, 455.8462664926616, 1e-6);
    const YearTable runsOut = ok(calculateRetirement(fixed(74080.00, 8.57, 448.15, 1.26)));
    ASSERT_EQ(runsOut.years(), 50);
    const YearRow& last = runsOut.rows.back();
    EXPECT_LE(std::fabs(last.value), 0.00005);
    EXPECT_NEAR(last.withdrawn, runsOut.rows[48].value + last.interest, 0.0001);
}

TEST(Retirement, TwelveMonthsEqualToTheCapitalStillRuns) {
    EXPECT_TRUE(calculateRetirement(fixed(12000, 10, 1000, 0)));
    EXPECT_EQ(calculateRetirement(fixed(11999, 10, 1000, 0)).message, Msg::CannotComplete);
}

// Long figures: tests/reference/figures.py works them out apart from the program.
TEST(Retirement, AFixedAmountRunningOutEndsWithAPartialYear) {
    const YearTable t = ok(calculateRetirement(fixed(100000, 10, 1000, 2.5)));
    ASSERT_EQ(t.years(), 13);
    EXPECT_NEAR(t.rows[11].value, 13950.1899, 0.0001); // what is left after year 12
    const YearRow& last = t.rows.back();
    // Ten whole months of the raised amount, then what is left is withdrawn with the interest.
    EXPECT_NEAR(last.interest, 660.1841236906843, 1e-6);
    EXPECT_NEAR(last.withdrawn, 13950.1899 + 660.1841236906843, 1e-6);
    EXPECT_LE(std::fabs(last.value), 0.00005);
    EXPECT_EQ(t.totals.value, last.value);
    // Every figure is real money: capital plus interest is what was withdrawn plus what is left.
    EXPECT_NEAR(100000 + t.totals.interest, t.totals.withdrawn + t.totals.value, 0.005);
}

TEST(Retirement, NothingToDrawFromNothingIsMessage3) {
    EXPECT_EQ(calculateRetirement(fixed(0, 10, 0, 0)).message, Msg::WrongEntry);
}

TEST(CapitalRequired, LevelInvestmentReachesTheCapital) {
    const YearTable t = ok(calculateCapital({.option = CapitalOption::Capital,
                                             .capital = Currency::fromWhole(100000),
                                             .rate = Percent::fromWhole(20),
                                             .term = Years::fromWhole(25)}));
    ASSERT_EQ(t.years(), 25);
    EXPECT_NEAR(t.rows[0].paidIn, 176.56, 0.005); // 100,000 / (1.2 x 471.98)
    EXPECT_NEAR(t.rows.back().value, 100000, 1e-6);
    EXPECT_NEAR(t.totals.paidIn, 25 * t.rows[0].paidIn, 1e-6);
    EXPECT_EQ(t.totals.year, 26);
    const YearTable one = ok(calculateCapital({.option = CapitalOption::Capital,
                                               .capital = Currency::fromWhole(11000),
                                               .rate = Percent::fromWhole(10),
                                               .term = Years::fromWhole(1)}));
    ASSERT_EQ(one.years(), 1);
    EXPECT_NEAR(one.rows[0].paidIn, 10000, 1e-6); // C / (1 + i)
    EXPECT_NEAR(one.rows[0].value, 11000, 1e-6);
    const YearTable income = ok(calculateCapital({.option = CapitalOption::Income,
                                                  .yearlyIncome = Currency::fromWhole(40000),
                                                  .rate = Percent::fromWhole(20),
                                                  .term = Years::fromWhole(25)}));
    EXPECT_NEAR(income.rows.back().value, 200000, 1e-6);
}

TEST(CapitalRequired, RefusesWhatHasNoAnswer) {
    const struct {
        CapitalOption option;
        Percent rate;
        Years term;
        Msg message;
    } cases[] = {{CapitalOption::Capital, Percent(), Years::fromWhole(5), Msg::WrongEntry},
                 {CapitalOption::Income, Percent(), Years::fromWhole(5), Msg::WrongEntry},
                 {CapitalOption::Capital, Percent::fromWhole(5), Years(), Msg::WrongEntry},
                 {CapitalOption::Capital, Percent::fromWhole(5), Years::fromWhole(51), Msg::YearLimit50}};
    for (const auto& c : cases)
        EXPECT_EQ(calculateCapital({.option = c.option,
                                    .capital = Currency::fromWhole(1000),
                                    .yearlyIncome = Currency::fromWhole(1000),
                                    .rate = c.rate,
                                    .term = c.term})
                      .message,
                  c.message);
}

TEST(Plan401k, NoYearsIsMessage3) {
    Plan401kInputs in;
    in.years = Years();
    EXPECT_EQ(calculate401k(in).message, Msg::WrongEntry);
    in.years = Years::fromWhole(1);
    EXPECT_EQ(ok(calculate401k(in)).years(), 1);
}

TEST(Plan401k, ContributionsCompoundFromTheYearAfter) {
    Plan401kInputs in;
    in.balance = Currency();
    in.salary = Currency::fromWhole(50000);
    in.contribution = Percent::fromWhole(5);
    in.company = Percent::fromWhole(4);
    in.raise = Percent();
    in.returnRate = Percent::fromWhole(10);
    in.years = Years::fromWhole(2);
    const YearTable t = ok(calculate401k(in));
    ASSERT_EQ(t.years(), 2);
    EXPECT_EQ(t.rows[0].paidIn, 4500.0); // 9% of 50,000
    EXPECT_EQ(t.rows[0].interest, 450.0);
    EXPECT_EQ(t.rows[0].value, 4950.0);
    EXPECT_EQ(t.rows[1].paidIn, 4500.0);  // no raise: the same contribution
    EXPECT_EQ(t.rows[1].interest, 945.0); // on 4,950 + 4,500
    EXPECT_EQ(t.rows[1].value, 10395.0);
    EXPECT_EQ(t.totals.paidIn, 9000.0);
    EXPECT_EQ(t.totals.interest, 1395.0);
    in.inflation = Percent::fromWhole(10);
    const YearTable real = ok(calculate401k(in));
    EXPECT_NEAR(real.rows[0].value, 4455.0, 1e-9);
    EXPECT_NEAR(real.rows[1].value, 8865.45, 1e-9);
    in.years = Years::fromWhole(51);
    EXPECT_EQ(calculate401k(in).message, Msg::YearLimit50);
}

// The percentage option charts each year's end value: the worked example's first is 105,000.0005
// (100,000 at 20% less 15% withdrawn, with the half-cent the cut leaves).
TEST(RetirementChart, EachYearsEndValue) {
    const YearTable income = ok(calculateRetirement(percentage(100000, 20, 15, 25)));
    const auto chart = retirementChart(income, false);
    ASSERT_TRUE(chart);
    ASSERT_EQ(chart->charted.size(), 25u);
    EXPECT_EQ(chart->charted[0], Currency::fromRaw(1'050'000'005));
    EXPECT_EQ(chart->charted[24], *Currency::fromDouble(income.rows.back().value));
}
