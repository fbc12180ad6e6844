// The growth printouts, page for page as they printed before the plan's table was laid out from its
// description: plans of each frequency over pages, the comparisons with 1, 15, 16 and 22 examples,
// the finder with one page and two.
#include "growth/core/growth_printout.h"
#include "tests/support/golden.h"

using namespace brisk;

namespace {

SavingsInputs plan(const char* frequency, int amount, double rate, int term, int lump = 0,
                   double increase = 0, double inflation = 0) {
    SavingsInputs in;
    in.frequency = *contributionsNamed(frequency);
    in.amount = Currency::fromWhole(amount);
    in.rate = *Percent::fromDouble(rate);
    in.term = Years::fromWhole(term);
    in.lumpSum = Currency::fromWhole(lump);
    in.increase = *Percent::fromDouble(increase);
    in.inflation = *Percent::fromDouble(inflation);
    return in;
}

} // namespace

TEST(GrowthPrintoutGolden, PlansAsBefore) {
    struct Case {
        const char* name;
        SavingsInputs in;
        int font;
        const char* symbol;
    };
    const Case cases[] = {
        {"plan_annual", SavingsInputs{}, 0, "$"},
        {"plan_monthly_40_years", plan("Monthly", 100, 6, 40), 0, "$"},
        {"plan_quarterly_lump_increase_inflation", plan("Quarterly", 2500, 7.25, 30, 15000, 3, 2.5), 3,
         "\xe2\x82\xac"},
        // Figures wider than their columns reach left, push right and wrap at the edge.
        {"plan_huge_figures", plan("Monthly", 5000000, 30, 40, 90000000), 0, "$"},
        {"plan_annual_one_year", plan("Annually", 1200, 20, 1), 1, "$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto computed = calculateSavings(c.in);
        ASSERT_TRUE(computed);
        brisk::testing::expectGolden(
            "growth", c.name, savingsPrintout(c.in, *computed.value, {"Ann Lee", c.symbol, c.font, {}}));
    }
}

TEST(GrowthPrintoutGolden, ComparisonsAsBefore) {
    for (const int count : {1, 15, 16, 22}) {
        const std::string name = "comparisons_" + std::to_string(count);
        SCOPED_TRACE(name);
        std::vector<SavingsExample> examples;
        for (int n = 1; n <= count; ++n) {
            const SavingsInputs in = plan(n % 3 == 0 ? "Monthly" : "Annually", 100 * n, 2.5 + n, n + 1,
                                          1000 * (n % 4), n % 5, n % 2 ? 1.5 : 0);
            const auto computed = calculateSavings(in);
            ASSERT_TRUE(computed);
            examples.push_back({in, *computed.value});
        }
        brisk::testing::expectGolden(
            "growth", name, comparisonsPrintout(comparisonsTable(examples), {"Plans", "$", count % 4, {}}));
    }
}

TEST(GrowthPrintoutGolden, FinderAsBefore) {
    for (const int count : {1, 13}) {
        const std::string name = "finder_" + std::to_string(count);
        SCOPED_TRACE(name);
        std::vector<FinderRow> rows;
        for (int n = 1; n <= count; ++n) {
            const auto row =
                findCompoundGrowth({Currency::fromWhole(1000 * n), Currency::fromWhole(2500 * n + 7),
                                    Years::fromWhole(n + 2), n % 2 ? "Fund " + std::to_string(n) : ""});
            ASSERT_TRUE(row);
            rows.push_back(*row.value);
        }
        brisk::testing::expectGolden("growth", name,
                                     finderPrintout(finderTable(rows), {"Funds", "$", 0, {}}));
    }
}
