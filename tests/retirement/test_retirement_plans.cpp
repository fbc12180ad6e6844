// The retirement planners against figures worked out apart from them (hand calculations and a
// separate loop with the same rounding rules).
#include "app/core/mask_format.h"
#include "retirement/core/retirement_chart.h"
#include "retirement/core/retirement_plans.h"
#include "retirement/core/retirement_printouts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>

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

TEST(Retirement, AFixedAmountTheInterestCoversRunsFiftyYears) {
    const YearTable t = ok(calculateRetirement(fixed(500000, 10, 1000, 0)));
    EXPECT_EQ(t.years(), 50);
    EXPECT_EQ(t.totals.value, t.rows.back().value);
    EXPECT_EQ(gridRowsFor(t.years()), 54);
    EXPECT_EQ(gridRowsFor(20), 25);
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
    EXPECT_EQ(calculateCapital({.option = CapitalOption::Capital,
                                .capital = Currency::fromWhole(1000),
                                .rate = Percent(),
                                .term = Years::fromWhole(5)})
                  .message,
              Msg::WrongEntry);
    EXPECT_EQ(calculateCapital({.option = CapitalOption::Income,
                                .yearlyIncome = Currency::fromWhole(1000),
                                .rate = Percent(),
                                .term = Years::fromWhole(5)})
                  .message,
              Msg::WrongEntry);
    EXPECT_EQ(calculateCapital({.option = CapitalOption::Capital,
                                .capital = Currency::fromWhole(1000),
                                .rate = Percent::fromWhole(5),
                                .term = Years()})
                  .message,
              Msg::WrongEntry);
    EXPECT_EQ(calculateCapital({.option = CapitalOption::Capital,
                                .capital = Currency::fromWhole(1000),
                                .rate = Percent::fromWhole(5),
                                .term = Years::fromWhole(51)})
                  .message,
              Msg::YearLimit50);
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

TEST(RetirementPrintouts, PagesRepeatTheirHeadingsAndNumberEachPage) {
    const PrintContext context{"Ann Lee", "$", 3, {}}; // 51 lines a page
    struct Case {
        Printout printout;
        const char* heading;
        int rows;
    };
    const RetireInputs retire = fixed(500000, 10, 1000, 0);
    Plan401kInputs k;
    k.years = Years::fromWhole(50);
    const CapitalInputs capital{.option = CapitalOption::Capital,
                                .capital = Currency::fromWhole(100000),
                                .rate = Percent::fromWhole(20),
                                .term = Years::fromWhole(50)};
    for (const Case& c :
         {Case{retirementPrintout(retire, ok(calculateRetirement(retire)), context),
               "Year         Interest/Growth          Annual Income        Current Value", 50},
          Case{capitalPrintout(capital, ok(calculateCapital(capital)), context),
               "Year        Annual Investment      Interest/Growth         Current Value", 50},
          Case{plan401kPrintout(k, ok(calculate401k(k)), context),
               " Year   Annual Salary   Contributions   Interest/Growth    Current Value", 50}}) {
        const Printout& p = c.printout;
        ASSERT_GE(p.page(), 2) << c.heading;
        int rows = 0;
        const std::regex row(R"( +\d{1,2}( +[\d,]*\.\d\d){3,4})");
        for (int page = 0; page < p.page(); ++page) {
            const auto& lines = p.pages()[page].lines;
            EXPECT_EQ(lines.back().text(), std::string(39, ' ') + "Page " + std::to_string(page + 1));
            bool heading = false, header = false;
            for (const PrintLine& line : lines) {
                heading = heading || line.text() == " " + std::string(c.heading);
                header = header || line.text() == " Ann Lee";
                rows += std::regex_match(line.text(), row);
            }
            EXPECT_TRUE(heading && header) << c.heading << " page " << page + 1;
            EXPECT_LE(static_cast<int>(lines.size()), 51 + 4);
        }
        EXPECT_EQ(rows, c.rows) << c.heading;
        EXPECT_NE(p.plainText().find(" Total:"), std::string::npos);
    }
}

// Each planner's chart is its table's "value" column, year by year: the worked example's first
// year is 105,000.0005 (100,000 at 20% less 15% withdrawn, with the half-cent the cut leaves).
TEST(RetirementChart, TheChartIsTheTablesValueColumn) {
    const YearTable income = ok(calculateRetirement(percentage(100000, 20, 15, 25)));
    const YearTable capital = ok(calculateCapital({.option = CapitalOption::Capital,
                                                   .capital = Currency::fromWhole(100000),
                                                   .rate = Percent::fromWhole(10),
                                                   .term = Years::fromWhole(10)}));
    const YearTable plan401k = ok(calculate401k(Plan401kInputs{}));
    const struct {
        const YearTable& table;
        Planner planner;
        Outcome<ChartHandover> chart;
    } cases[] = {{income, Planner::Income, retirementChart(income, false)},
                 {capital, Planner::Capital, capitalChart(capital)},
                 {plan401k, Planner::Plan401k, plan401kChart(plan401k)}};
    for (const auto& c : cases) {
        ASSERT_TRUE(c.chart);
        const std::vector<double> column = yearResultTable(c.table, c.planner).series("value");
        ASSERT_EQ(c.chart->charted.size(), column.size());
        for (std::size_t k = 0; k < column.size(); ++k)
            EXPECT_EQ(c.chart->charted[k], *Currency::fromDouble(column[k])) << k;
    }
    EXPECT_EQ(cases[0].chart->charted[0], Currency::fromRaw(1'050'000'005));
}
