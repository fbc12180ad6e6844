// The growth printouts: paging of a long table, the examples over two pages, the finder's pages.
#include "growth/core/growth_printout.h"

#include <gtest/gtest.h>

#include <regex>

using namespace brisk;

namespace {
const PrintContext context{"Ann Lee", "$", 0, {}};

int countRows(const PrintPage& page, const std::regex& row) {
    int rows = 0;
    for (const PrintLine& line : page.lines)
        rows += std::regex_match(line.text(), row);
    return rows;
}
} // namespace

TEST(GrowthPrintout, MonthlyFortyYearsPagesAt29ThenEvery47) {
    SavingsInputs in;
    in.frequency = "Monthly";
    in.amount = Currency::fromWhole(100);
    in.rate = Currency::fromWhole(6);
    in.term = Currency::fromWhole(40);
    const Printout p = savingsPrintout(in, *calculateSavings(in).value, context);
    const std::regex row(R"( +\d+ +[\d,.]+ +[\d,.]+ +[\d,.]+)");
    EXPECT_EQ(countRows(p.pages()[0], row), 29);
    for (int page = 1; page + 1 < p.page(); ++page)
        EXPECT_EQ(countRows(p.pages()[page], row), 47) << page;
    int all = 0;
    for (const PrintPage& page : p.pages())
        all += countRows(page, row);
    EXPECT_EQ(all, 480);
    EXPECT_EQ(p.pages()[0].lines[3].text(), std::string(24, ' ') + "Investment Growth Calculation");
    EXPECT_EQ(p.pages()[1].lines[3].text(),
              "   Monthly          Investment      Interest/Growth         Current Value");
    const std::string last = p.plainText();
    EXPECT_TRUE(std::regex_search(last, std::regex(R"(\n Total: +\$48,000\.00 +\$[\d,.]+ +\$[\d,.]+\n)")));
}

TEST(GrowthPrintout, ExamplesSixteenOnGoToPageTwoAndPrintAgain) {
    std::string page1, page2;
    for (int n = 1; n <= 16; ++n) {
        const SavingsExample e{SavingsInputs{}, *calculateSavings(SavingsInputs{}).value};
        (n <= 15 ? page1 : page2) += examplePrintText(e);
    }
    const Printout first = comparisonsPrintout(page1, page2, context);
    ASSERT_EQ(first.page(), 2);
    const std::regex example(R"( 25 .*679,652\.79)");
    EXPECT_EQ(countRows(first.pages()[0], example), 15);
    EXPECT_EQ(countRows(first.pages()[1], example), 1);
    // The text is kept: a second printout is the same.
    EXPECT_EQ(comparisonsPrintout(page1, page2, context).plainText(), first.plainText());
}

TEST(GrowthPrintout, FinderSecondPageFromTheThirteenthRow) {
    std::string page1, page2;
    const auto row = findCompoundGrowth(
        {Currency::fromWhole(1000), Currency::fromWhole(2000), Currency::fromWhole(5), "A"});
    for (int n = 1; n <= 13; ++n)
        (n <= kFinderRowsFirstPage ? page1 : page2) += finderPrintText(*row.value, "$");
    const Printout p = finderPrintout(page1, page2, context);
    ASSERT_EQ(p.page(), 2);
    const std::regex printed(R"( +5 +\$1,000\.00 +\$2,000\.00 +14\.8698% +100\.0000%)");
    EXPECT_EQ(countRows(p.pages()[0], printed), 12);
    EXPECT_EQ(countRows(p.pages()[1], printed), 1);
}
