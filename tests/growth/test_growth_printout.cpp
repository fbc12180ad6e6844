// The growth printouts' figures at the widths of their columns and past them (the pages as a
// whole are held by the golden files).
#include "growth/core/growth_printout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using namespace brisk;

// Printed figures never touch and never pass the page's edge (80 characters in every printer
// font): one wider than its column reaches left while a blank is left, then pushes the rest right,
// and what would pass the edge continues on the next line under its own column. Figures that fit
// keep their columns. The expected lines are laid out by hand from the column ends.
namespace {

const PrintContext context{"Ann Lee", "$", 0, {}};

// The first page's lines from `before` lines above the one that reads `first`, `count` of them.
std::vector<std::string> printedLines(const Printout& p, const std::string& first, std::size_t count,
                                      std::size_t before = 0) {
    std::vector<std::string> lines;
    for (const PrintLine& line : p.pages()[0].lines)
        lines.push_back(line.text());
    const auto at = std::find(lines.begin(), lines.end(), first);
    if (at - lines.begin() < static_cast<std::ptrdiff_t>(before) || lines.end() - at + before < count)
        return {};
    return {at - before, at - before + static_cast<std::ptrdiff_t>(count)};
}
template <typename Case> std::string caseName(const testing::TestParamInfo<Case>& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
}

void expectWithinThePage(const Printout& p) {
    for (const PrintPage& page : p.pages())
        for (const PrintLine& line : page.lines)
            EXPECT_LE(line.text().size(), 80u) << line.text();
}

struct ExampleCase {
    const char* name;
    int periods;
    double lump, amount, rate, increase, inflation, invested, value;
    std::vector<std::string> lines;
};

void PrintTo(const ExampleCase& c, std::ostream* os) {
    *os << c.name;
}

class ExamplePrintLines : public testing::TestWithParam<ExampleCase> {};

TEST_P(ExamplePrintLines, FiguresApartWithinThePage) {
    const ExampleCase& c = GetParam();
    SavingsExample e;
    e.inputs.lumpSum = *Currency::fromDouble(c.lump);
    e.inputs.amount = *Currency::fromDouble(c.amount);
    e.inputs.rate = *Percent::fromDouble(c.rate);
    e.inputs.increase = *Percent::fromDouble(c.increase);
    e.inputs.inflation = *Percent::fromDouble(c.inflation);
    e.plan.periodCount = c.periods;
    e.plan.totalInvested = c.invested;
    e.plan.finalValue = c.value;
    std::vector<std::string> expected = c.lines;
    expected.push_back(" " + std::string(77, '_'));
    expected.push_back("");
    const Printout printed = comparisonsPrintout(comparisonsTable({e}), context);
    EXPECT_EQ(printedLines(printed, expected.front(), expected.size()), expected);
    expectWithinThePage(printed);
}

INSTANTIATE_TEST_SUITE_P(
    Comparisons, ExamplePrintLines,
    testing::Values(
        ExampleCase{"just below ten million",
                    10,
                    999999.99,
                    900000,
                    0,
                    0,
                    0,
                    9999999.99,
                    9999999.99,
                    {" 10  999,999.99  900,000.00    .00%    .00%    .00% 9,999,999.99  9,999,999.99"}},
        ExampleCase{"ten million",
                    10,
                    100000,
                    990000,
                    0,
                    0,
                    0,
                    10000000,
                    10000000,
                    {" 10  100,000.00  990,000.00    .00%    .00%    .00% 10,000,000.00 10,000,000.00"}},
        ExampleCase{"a lump sum beside 40 years",
                    40,
                    9999999.98,
                    0.01,
                    0,
                    0,
                    0,
                    10000000.38,
                    10000000.38,
                    {" 40 9,999,999.98        .01    .00%    .00%    .00% 10,000,000.38 10,000,000.38"}},
        ExampleCase{"twenty million invested",
                    25,
                    0,
                    1200,
                    20,
                    0,
                    0,
                    20963509.19,
                    267942320.33,
                    {" 25         .00    1,200.00  20.00%    .00%    .00% 20,963,509.19 267,942,320.33"}},
        ExampleCase{"the widest of every figure",
                    480,
                    9999999.99,
                    9999999.99,
                    999.99,
                    -999.99,
                    -999.99,
                    900000000000000,
                    -900000000000000,
                    {"480 9,999,999.99 9,999,999.99 999.99% -999.99% -999.99% 900,000,000,000,000.00",
                     std::string(55, ' ') + "-900,000,000,000,000.00"}}),
    caseName<ExampleCase>);

struct FinderCase {
    const char* name;
    double cost, value, term, rate, gain;
    std::vector<std::string> lines;
};

void PrintTo(const FinderCase& c, std::ostream* os) {
    *os << c.name;
}

class FinderPrintLines : public testing::TestWithParam<FinderCase> {};

TEST_P(FinderPrintLines, FiguresApartWithinThePage) {
    const FinderCase& c = GetParam();
    FinderRow row;
    row.inputs = {*Currency::fromDouble(c.cost), *Currency::fromDouble(c.value), *Years::fromDouble(c.term),
                  ""};
    row.rate = c.rate;
    row.totalGain = c.gain;
    std::vector<std::string> expected{""};
    expected.insert(expected.end(), c.lines.begin(), c.lines.end());
    expected.push_back(" " + std::string(78, '_') + " ");
    const Printout printed = finderPrintout(finderTable({row}), context);
    EXPECT_EQ(printedLines(printed, expected[1], expected.size(), 1), expected);
    expectWithinThePage(printed);
}

INSTANTIATE_TEST_SUITE_P(
    Finder, FinderPrintLines,
    testing::Values(
        // 2^(1/5) - 1 = 0.148698...
        FinderCase{"doubled in five years",
                   1000,
                   2000,
                   5,
                   0.148698355,
                   1,
                   {"    5           $1,000.00          $2,000.00           14.8698%       100.0000%"}},
        FinderCase{"the largest amounts",
                   9999999.99,
                   9999999.99,
                   50,
                   0,
                   0,
                   {"   50       $9,999,999.99      $9,999,999.99             .0000%          .0000%"}},
        FinderCase{"ten million",
                   10000000,
                   20000000,
                   5,
                   0.148698355,
                   1,
                   {"    5      $10,000,000.00     $20,000,000.00           14.8698%       100.0000%"}},
        // 9,999,999.99 / .01 - 1 in a year
        FinderCase{"the largest rate",
                   0.01,
                   9999999.99,
                   1,
                   999999998,
                   999999998,
                   {"    1                $.01      $9,999,999.99 99,999,999,800.0000%",
                    std::string(59, ' ') + "99,999,999,800.0000%"}}),
    caseName<FinderCase>);

struct PlanCase {
    const char* name;
    int number;
    double invested, interest, value, totalInvested, finalValue;
    std::vector<std::string> row, total;
};

void PrintTo(const PlanCase& c, std::ostream* os) {
    *os << c.name;
}

class PlanPrintLines : public testing::TestWithParam<PlanCase> {};

TEST_P(PlanPrintLines, FiguresApartWithinThePage) {
    const PlanCase& c = GetParam();
    SavingsPlan plan;
    plan.periodCount = c.number;
    plan.periods = {{c.number, c.invested, c.interest, c.value}};
    plan.totalInvested = c.totalInvested;
    plan.finalValue = c.finalValue;
    const Printout p = savingsPrintout(SavingsInputs{}, plan, context);
    std::vector<std::string> lines;
    for (const PrintLine& line : p.pages()[0].lines)
        lines.push_back(line.text());
    auto expectLinesFrom = [&](const std::vector<std::string>& expected) {
        const auto first = std::find(lines.begin(), lines.end(), expected[0]);
        ASSERT_NE(first, lines.end()) << expected[0];
        ASSERT_LE(expected.size(), static_cast<std::size_t>(lines.end() - first));
        EXPECT_EQ(std::vector<std::string>(first, first + expected.size()), expected);
    };
    expectLinesFrom(c.row);
    expectLinesFrom(c.total);
    expectWithinThePage(p);
}

INSTANTIATE_TEST_SUITE_P(
    Planning, PlanPrintLines,
    testing::Values(PlanCase{"just below ten million",
                             1,
                             9999999.99,
                             0,
                             9999999.99,
                             9999999.99,
                             9999999.99,
                             {" 1                9,999,999.99                  .00          9,999,999.99"},
                             {" Total:          $9,999,999.99                 $.00         $9,999,999.99"}},
                    PlanCase{"ten million",
                             1,
                             10000000,
                             0,
                             10000000,
                             10000000,
                             10000000,
                             {" 1               10,000,000.00                  .00         10,000,000.00"},
                             {" Total:         $10,000,000.00                 $.00        $10,000,000.00"}},
                    PlanCase{
                        "the widest of every figure",
                        480,
                        900000000000000,
                        -900000000000000,
                        900000000000000,
                        200000000000000,
                        -700000000000000,
                        {" 480    900,000,000,000,000.00 -900,000,000,000,000.00 900,000,000,000,000.00"},
                        {" Total: $200,000,000,000,000.00 $-900,000,000,000,000.00",
                         std::string(49, ' ') + "$-700,000,000,000,000.00"}}),
    caseName<PlanCase>);

} // namespace
