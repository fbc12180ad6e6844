// The three retirement printouts, page for page as they printed before their year tables were laid
// out from the tables' description: each option, short tables and ones over several pages.
#include "retirement/core/retirement_printouts.h"
#include "tests/support/golden.h"

#include <functional>

using namespace brisk;

namespace {

Currency whole(int n) {
    return Currency::fromWhole(n);
}

struct Case {
    const char* name;
    std::function<Outcome<Printout>(const PrintContext&)> print;
    int font;
};

template <typename Inputs>
std::function<Outcome<Printout>(const PrintContext&)>
printed(Inputs in, Outcome<YearTable> (*calculate)(const Inputs&),
        Printout (*printout)(const Inputs&, const YearTable&, const PrintContext&)) {
    return [=](const PrintContext& context) -> Outcome<Printout> {
        const auto table = calculate(in);
        if (!table) return {std::nullopt, table.message};
        return {printout(in, *table.value, context)};
    };
}

} // namespace

TEST(RetirementPrintoutGolden, EveryPlannerAsBefore) {
    RetireInputs fixed;
    fixed.option = RetireOption::Fixed;
    fixed.monthly = whole(3000);
    fixed.yearlyIncrease = Percent::fromWhole(3);
    RetireInputs longPercentage;
    longPercentage.years = Years::fromWhole(50);
    CapitalInputs income;
    income.option = CapitalOption::Income;
    income.yearlyIncome = whole(40000);
    income.rate = *Percent::fromDouble(7.5);
    income.term = Years::fromWhole(45);
    Plan401kInputs noBalance;
    noBalance.balance = whole(0);
    noBalance.years = Years::fromWhole(40);
    RetireInputs huge; // figures wider than their columns keep every digit
    huge.value = whole(2000000000);
    huge.rate = Percent::fromWhole(40);
    huge.withdrawnPercent = Percent::fromWhole(2);
    Plan401kInputs hugeSalary;
    hugeSalary.salary = whole(900000000);
    hugeSalary.returnRate = Percent::fromWhole(45);
    hugeSalary.years = Years::fromWhole(30);
    const Case cases[] = {
        {"retirement_percentage", printed(RetireInputs{}, calculateRetirement, retirementPrintout), 0},
        {"retirement_percentage_50_years", printed(longPercentage, calculateRetirement, retirementPrintout),
         3},
        {"retirement_huge_value", printed(huge, calculateRetirement, retirementPrintout), 0},
        {"retirement_fixed", printed(fixed, calculateRetirement, retirementPrintout), 1},
        {"capital_capital", printed(CapitalInputs{}, calculateCapital, capitalPrintout), 0},
        {"capital_income_45_years", printed(income, calculateCapital, capitalPrintout), 3},
        {"plan401k_balance", printed(Plan401kInputs{}, calculate401k, plan401kPrintout), 2},
        {"plan401k_huge_salary", printed(hugeSalary, calculate401k, plan401kPrintout), 0},
        {"plan401k_no_balance_40_years", printed(noBalance, calculate401k, plan401kPrintout), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto printout = c.print({"Retirement", "$", c.font, {}});
        ASSERT_TRUE(printout);
        brisk::testing::expectGolden("retirement", c.name, *printout.value);
    }
}
