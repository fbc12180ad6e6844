// The mortgage printout's pages: blocks, columns, paging and the totals line.
#include "mortgage/core/mortgage_printout.h"

#include <gtest/gtest.h>

#include <regex>

using namespace brisk;

namespace {

struct Printed {
    Printout printout;
    Schedule schedule;
};

Printed print(ShowPayments calcMode, int fontChoice, MortgageKind mode = MortgageKind::Mortgage) {
    MortgageInputs in = MortgageInputs::defaults(mode);
    in.CalcMode = calcMode;
    const Schedule s = *calculateSchedule(in).value;
    return {mortgagePrintout(in, s, {"Ann Lee", "$", fontChoice, shortDateFormFromPattern("M/d/yyyy")}), s};
}

std::vector<std::string> lines(const Printout& p, int page) {
    std::vector<std::string> out;
    for (const PrintLine& line : p.pages()[page].lines)
        out.push_back(line.text());
    return out;
}

} // namespace

TEST(MortgagePrintout, FirstPageBlocks) {
    const auto [p, s] = print(ShowPayments::Annual, 0);
    const auto page = lines(p, 0);
    EXPECT_EQ(page[0], "");
    EXPECT_EQ(page[1], " Ann Lee");
    EXPECT_EQ(page[3], std::string(31, ' ') + " Mortgage Table");
    EXPECT_EQ(page[4], " " + std::string(75, '_'));
    EXPECT_EQ(page[8], " mortgage.   rate(%).   years.         periods/year.  of payment. 0.000%");
    // The list texts keep their leading blanks: "      Monthly" at column 36 and 51.
    EXPECT_EQ(page[10], " 100,000.00  10.125%  25                 Monthly        Monthly    .00");
    // The summary values: days, factor, payments a year, years, payment, total paid, savings.
    EXPECT_EQ(page[16], " Normal 0.0084375 12.00       25.00    917.53       275,258.20  .00");
    EXPECT_EQ(page[19], "   Year       Payment     Payment       Balance      Interest      Principal");
    // Figures right-aligned in the columns from 13, 25, 36, 50 and 65.
    EXPECT_EQ(page[22], " 1            10,082.74     927.59     99,072.41      10,082.74       927.59");
    ASSERT_EQ(p.page(), 1); // 25 annual rows fit one page
    const auto total =
        std::find_if(page.begin(), page.end(), [](const std::string& l) { return l.starts_with(" Total:"); });
    ASSERT_NE(total, page.end());
    EXPECT_EQ(*total, " Total:                            $.00          $175,258.20    $100,000.00");
    EXPECT_EQ(page.back(), std::string(39, ' ') + "Page 1");
}

TEST(MortgagePrintout, AllPaymentsRunOverPagesWithTheirHeadings) {
    struct Case {
        int font, pageLines;
    };
    for (const Case& c : {Case{0, 53}, Case{1, 63}, Case{3, 51}}) {
        const auto [p, s] = print(ShowPayments::All, c.font);
        // Page 1 takes PageLines - 24 rows, every later page PageLines - 7.
        const int first = c.pageLines - 24, later = c.pageLines - 7;
        const int pages = 1 + (300 - first + later - 1) / later + ((300 - first) % later == 0 ? 1 : 0);
        EXPECT_EQ(p.page(), pages) << c.font;
        int rows = 0;
        const std::regex row(R"(^ +\d+( +\d+)?( +[\d,]*\.\d\d){5}$)");
        for (int page = 0; page < p.page(); ++page) {
            const auto text = lines(p, page);
            EXPECT_EQ(text.back(), std::string(39, ' ') + "Page " + std::to_string(page + 1)) << c.font;
            if (page > 0) {
                EXPECT_EQ(text[3],
                          "  Payment    Interest   Principal     Remaining    Cumulative     Cumulative");
                EXPECT_EQ(text[4],
                          " No. Year     Payment     Payment       Balance      Interest      Principal");
            }
            for (const std::string& line : text)
                rows += std::regex_match(line, row);
        }
        EXPECT_EQ(rows, 300) << c.font;
    }
}

TEST(MortgagePrintout, LoanWordingAndMonths) {
    const auto [p, s] = print(ShowPayments::Annual, 0, MortgageKind::Loan);
    const auto page = lines(p, 0);
    EXPECT_EQ(page[3], std::string(31, ' ') + " Personal Loan Table");
    EXPECT_EQ(page[10].substr(0, 25), " 20,000.00   10.125%  48 ");
    EXPECT_NE(page[16].find("48.00"), std::string::npos);
}
