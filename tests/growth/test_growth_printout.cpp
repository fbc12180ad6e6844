// The growth printouts' figures at the widths of their columns and past them (the pages as a
// whole are held by the golden files). Printed figures never touch and never pass the page's edge
// (80 characters in every printer font): one wider than its column reaches left while a blank is
// left, then pushes the rest right, and what would pass the edge continues on the next line under
// its own column. Figures that fit keep their columns. The expected lines are laid out by hand
// from the column ends.
#include "growth/core/growth_printout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace brisk;

namespace {

const PrintContext context{"Ann Lee", "$", 0, {}};

// The first page's lines from the one that reads `expected`'s first, as many as it has; and
// every line of every page within the 80 characters.
void expectLines(const Printout& p, const std::vector<std::string>& expected) {
    std::vector<std::string> lines;
    for (const PrintLine& line : p.pages()[0].lines)
        lines.push_back(line.text());
    const auto at = std::find(lines.begin(), lines.end(), expected.front());
    ASSERT_NE(at, lines.end()) << expected.front();
    ASSERT_LE(expected.size(), static_cast<std::size_t>(lines.end() - at));
    EXPECT_EQ(std::vector<std::string>(at, at + static_cast<std::ptrdiff_t>(expected.size())), expected);
    for (const PrintPage& page : p.pages())
        for (const PrintLine& line : page.lines)
            EXPECT_LE(line.text().size(), 80u) << line.text();
}

} // namespace

TEST(GrowthPrintLines, ComparisonsExamples) {
    const struct {
        const char* name;
        // periods, lump sum, amount, rate, increase, inflation, total invested, final value
        std::array<double, 8> f;
        std::vector<std::string> lines;
    } cases[] = {
        {"just below ten million",
         {10, 999999.99, 900000, 0, 0, 0, 9999999.99, 9999999.99},
         {" 10  999,999.99  900,000.00    .00%    .00%    .00% 9,999,999.99  9,999,999.99"}},
        {"ten million",
         {10, 100000, 990000, 0, 0, 0, 10000000, 10000000},
         {" 10  100,000.00  990,000.00    .00%    .00%    .00% 10,000,000.00 10,000,000.00"}},
        {"a lump sum beside 40 years",
         {40, 9999999.98, 0.01, 0, 0, 0, 10000000.38, 10000000.38},
         {" 40 9,999,999.98        .01    .00%    .00%    .00% 10,000,000.38 10,000,000.38"}},
        {"twenty million invested",
         {25, 0, 1200, 20, 0, 0, 20963509.19, 267942320.33},
         {" 25         .00    1,200.00  20.00%    .00%    .00% 20,963,509.19 267,942,320.33"}},
        {"the widest of every figure",
         {480, 9999999.99, 9999999.99, 999.99, -999.99, -999.99, 900000000000000, -900000000000000},
         {"480 9,999,999.99 9,999,999.99 999.99% -999.99% -999.99% 900,000,000,000,000.00",
          std::string(55, ' ') + "-900,000,000,000,000.00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SavingsExample e;
        e.inputs.lumpSum = *Currency::fromDouble(c.f[1]);
        e.inputs.amount = *Currency::fromDouble(c.f[2]);
        e.inputs.rate = *Percent::fromDouble(c.f[3]);
        e.inputs.increase = *Percent::fromDouble(c.f[4]);
        e.inputs.inflation = *Percent::fromDouble(c.f[5]);
        e.plan.periodCount = static_cast<int>(c.f[0]);
        e.plan.totalInvested = c.f[6];
        e.plan.finalValue = c.f[7];
        std::vector<std::string> expected = c.lines;
        expected.insert(expected.end(), {" " + std::string(77, '_'), ""});
        expectLines(comparisonsPrintout(comparisonsTable({e}), context), expected);
    }
}

TEST(GrowthPrintLines, FinderRows) {
    const struct {
        const char* name;
        std::array<double, 5> f; // cost, value, term, rate, gain
        std::vector<std::string> lines;
    } cases[] = {
        // 2^(1/5) - 1 = 0.148698...
        {"doubled in five years",
         {1000, 2000, 5, 0.148698355, 1},
         {"    5           $1,000.00          $2,000.00           14.8698%       100.0000%"}},
        {"the largest amounts",
         {9999999.99, 9999999.99, 50, 0, 0},
         {"   50       $9,999,999.99      $9,999,999.99             .0000%          .0000%"}},
        {"ten million",
         {10000000, 20000000, 5, 0.148698355, 1},
         {"    5      $10,000,000.00     $20,000,000.00           14.8698%       100.0000%"}},
        // 9,999,999.99 / .01 - 1 in a year
        {"the largest rate",
         {0.01, 9999999.99, 1, 999999998, 999999998},
         {"    1                $.01      $9,999,999.99 99,999,999,800.0000%",
          std::string(59, ' ') + "99,999,999,800.0000%"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FinderRow row;
        row.inputs = {*Currency::fromDouble(c.f[0]), *Currency::fromDouble(c.f[1]),
                      *Years::fromDouble(c.f[2]), ""};
        row.rate = c.f[3];
        row.totalGain = c.f[4];
        std::vector<std::string> expected = c.lines;
        expected.push_back(" " + std::string(78, '_') + " ");
        expectLines(finderPrintout(finderTable({row}), context), expected);
    }
}

TEST(GrowthPrintLines, PlanRowAndTotals) {
    const struct {
        const char* name;
        std::array<double, 6> f; // number, invested, interest, value, total invested, final value
        std::vector<std::string> row, total;
    } cases[] = {
        {"just below ten million",
         {1, 9999999.99, 0, 9999999.99, 9999999.99, 9999999.99},
         {" 1                9,999,999.99                  .00          9,999,999.99"},
         {" Total:          $9,999,999.99                 $.00         $9,999,999.99"}},
        {"ten million",
         {1, 10000000, 0, 10000000, 10000000, 10000000},
         {" 1               10,000,000.00                  .00         10,000,000.00"},
         {" Total:         $10,000,000.00                 $.00        $10,000,000.00"}},
        {"the widest of every figure",
         {480, 900000000000000, -900000000000000, 900000000000000, 200000000000000, -700000000000000},
         {" 480    900,000,000,000,000.00 -900,000,000,000,000.00 900,000,000,000,000.00"},
         {" Total: $200,000,000,000,000.00 $-900,000,000,000,000.00",
          std::string(49, ' ') + "$-700,000,000,000,000.00"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SavingsPlan plan;
        plan.periodCount = static_cast<int>(c.f[0]);
        plan.periods = {{plan.periodCount, c.f[1], c.f[2], c.f[3]}};
        plan.totalInvested = c.f[4];
        plan.finalValue = c.f[5];
        const Printout p = savingsPrintout(SavingsInputs{}, plan, context);
        expectLines(p, c.row);
        expectLines(p, c.total);
    }
}
