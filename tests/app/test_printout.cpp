// The printout page model: columns, fonts and their page lengths, paging and plain text.
#include "app/core/printout.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace brisk;

TEST(PrintLine, PlacesTextAtColumnsWithoutOverlap) {
    EXPECT_EQ((PrintLine{{{2, "Total:"}, {13, "$1.00"}}}).text(), " Total:     $1.00");
    EXPECT_EQ((PrintLine{{{1, "abcdef"}, {4, "x"}}}).text(), "abcdef x");
    EXPECT_EQ((PrintLine{{{3, "€"}, {5, "y"}}}).text(), "  € y");
    EXPECT_EQ(PrintLine{}.text(), "");
}

TEST(Printout, FontChoiceSetsThePageLength) {
    struct Case {
        int choice, lines, points;
    };
    for (const Case& c : {Case{0, 53, 12}, Case{1, 63, 10}, Case{2, 56, 11}, Case{3, 51, 12}, Case{7, 53, 12},
                          Case{-1, 53, 12}}) {
        Printout printout(c.choice);
        printout.SetPrinterFont();
        EXPECT_EQ(printout.PageLines(), c.lines) << c.choice;
        EXPECT_EQ(fontPointSize(printout.fontChoice()), c.points) << c.choice;
        ASSERT_EQ(printout.pages()[0].lines.size(), 1u); // the font starts with one empty line
    }
}

TEST(Printout, PagesBreakWhereTheCounterSays) {
    Printout printout(3);
    printout.SetPrinterFont();
    printout.setCounter(24);
    int breaks = 0;
    for (int row = 1; row <= 80; ++row) {
        printout.printAt(2, std::to_string(row));
        if (printout.countLine()) {
            printout.breakPage();
            printout.setCounter(7);
            ++breaks;
        }
    }
    printout.printPageNumber(40);
    printout.EndPrintout();
    printout.printAt(1, "after the end");
    // 27 rows fill page 1 (24 -> 51), 44 more fill page 2 (7 -> 51).
    EXPECT_EQ(breaks, 2);
    ASSERT_EQ(printout.page(), 3);
    EXPECT_EQ(printout.pages()[0].lines.back().text(), "                                       Page 1");
    EXPECT_EQ(printout.pages()[2].lines.back().text(), "                                       Page 3");
    const std::string text = printout.plainText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 2);
    EXPECT_EQ(text.find("after the end"), std::string::npos);
}

// A form feed typed into the header would start a page in the plain-text printout, where form
// feeds separate pages; control characters print as blanks.
TEST(Printout, ControlCharactersPrintAsBlanks) {
    Printout p(0);
    p.printAt(2, "Elm\fStreet\tNo.\x7f"
                 "5");
    p.newPage();
    p.printAt(1, "second");
    const std::string text = p.plainText();
    EXPECT_NE(text.find(" Elm Street No. 5"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 1);
}
