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

TEST(Printout, BrokenPagesEndWithTheirNumbers) {
    Printout printout(3);
    printout.SetPrinterFont();
    for (int row = 1; row <= 80; ++row) {
        printout.printAt(2, std::to_string(row));
        if (row % 30 == 0) printout.breakPage();
    }
    printout.printPageNumber(40);
    printout.EndPrintout();
    printout.printAt(1, "after the end");
    ASSERT_EQ(printout.page(), 3);
    EXPECT_EQ(printout.pages()[1].lines[0].text(), ""); // the font set again
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

// A result table laid out at its printed places: figures right-aligned through their masks, text
// as it stands, empty cells and unnamed columns left out. The expected lines are counted by hand
// from the columns.
namespace {

const Date kMarch5{std::chrono::year(2026), std::chrono::month(3), std::chrono::day(5)};

ResultTable sampleTable() {
    ResultTable table;
    table.columns = {{"n", "No.", FigureKind::Count},
                     {"when", "Date", FigureKind::Date},
                     {"amount", "Amount", FigureKind::Money},
                     {"note", "Note", FigureKind::Text, {}, ColumnUse::WindowOnly},
                     {"kept", "Kept", FigureKind::Money, {}, ColumnUse::DataOnly}};
    return table;
}

TablePrintLayout sampleLayout() {
    TablePrintLayout layout;
    layout.columns = {{"n", 2, 3, "###"}, {"when", 7, 10}, {"amount", 19, 12}, {"note", 33}};
    return layout;
}

std::vector<std::string> pageText(const Printout& printout, int page) {
    std::vector<std::string> lines;
    for (const PrintLine& line : printout.pages()[page].lines)
        lines.push_back(line.text());
    return lines;
}

} // namespace

TEST(TablePrint, RowsAtTheirColumnsThroughTheirMasks) {
    struct Case {
        const char* what;
        TableRow row;
        std::string line;
    };
    const Case cases[] = {
        {"every column",
         {std::int64_t{1}, kMarch5, 1234.5, std::string("first"), 9.0},
         "   1  2026-03-05      1,234.50  first"},
        {"the widest figure that fits",
         {std::int64_t{999}, kMarch5, 9999999.99, std::string("x")},
         " 999  2026-03-05  9,999,999.99  x"},
        {"a wider figure keeps its start and pushes the text on",
         {std::int64_t{12}, TableCell(), 123456789.5, std::string("wide")},
         "  12              123,456,789.50 wide"},
        {"empty cells print nothing",
         {TableCell(), TableCell(), 0.0, TableCell()},
         std::string(27, ' ') + ".00"},
        {"a short row", {std::int64_t{7}}, "   7"},
    };
    for (const Case& c : cases) {
        ResultTable table = sampleTable();
        table.rows = {c.row};
        Printout printout(0);
        printTableRows(printout, table, sampleLayout(), {});
        ASSERT_EQ(printout.pages()[0].lines.size(), 1u) << c.what;
        EXPECT_EQ(printout.pages()[0].lines[0].text(), c.line) << c.what;
    }
}

TEST(TablePrint, DatesInTheUsersForm) {
    ResultTable table = sampleTable();
    table.rows = {{std::int64_t{2}, kMarch5}};
    Printout printout(0);
    printTableRows(printout, table, sampleLayout(), {"", "$", 0, shortDateFormFromPattern("M/d/yyyy")});
    EXPECT_EQ(printout.pages()[0].lines[0].text(), "   2    3/5/2026");
}

// A page breaks after the row that brings its lines and its spare lines to PageLines; the page
// number follows two empty lines, and the next page starts with the font's empty line and its top.
TEST(TablePrint, PagesBreakByTheLinesOnThePage) {
    struct Case {
        int font, linesAbove, firstSpare, laterSpare, rows;
        std::vector<int> rowsPerPage;
    };
    const Case cases[] = {
        // 53 lines: 12 rows under 41 lines, then 51 under the font's line and the top.
        {0, 41, 0, 0, 70, {12, 51, 7}},
        {0, 41, 2, 1, 70, {10, 50, 10}},
        // A row that fills the page still breaks it: the totals go on the next one.
        {0, 41, 0, 0, 12, {12, 0}},
        {0, 41, 0, 0, 11, {11}},
        {3, 24, 0, 7, 80, {27, 42, 11}},
        {1, 1, 0, 0, 62, {62, 0}},
    };
    for (const Case& c : cases) {
        const std::string what = "font " + std::to_string(c.font) + ", " + std::to_string(c.rows) + " rows";
        ResultTable table = sampleTable();
        for (int n = 1; n <= c.rows; ++n)
            table.rows.push_back({std::int64_t{n}});
        TablePrintLayout layout = sampleLayout();
        layout.firstPageSpare = c.firstSpare;
        layout.laterPageSpare = c.laterSpare;
        layout.pageTop = [](Printout& p) { p.printAt(5, "top"); };
        Printout printout(c.font);
        printout.SetPrinterFont();
        printout.emptyLine(c.linesAbove - 1);
        printTableRows(printout, table, layout, {});
        ASSERT_EQ(printout.page(), static_cast<int>(c.rowsPerPage.size())) << what;
        for (int page = 0; page < printout.page(); ++page) {
            const auto lines = pageText(printout, page);
            const int rows =
                static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
                    return l.size() == 4 && l.find_first_not_of(' ') != std::string::npos;
                }));
            EXPECT_EQ(rows, c.rowsPerPage[page]) << what << ", page " << page + 1;
            if (page > 0) {
                ASSERT_GE(lines.size(), 2u);
                EXPECT_EQ(lines[0], "") << what;
                EXPECT_EQ(lines[1], "    top") << what;
            }
            if (page + 1 < printout.page()) {
                ASSERT_GE(lines.size(), 3u);
                EXPECT_EQ(lines[lines.size() - 3], "") << what;
                EXPECT_EQ(lines[lines.size() - 2], "") << what;
                EXPECT_EQ(lines.back(), std::string(39, ' ') + "Page " + std::to_string(page + 1)) << what;
            }
        }
    }
}

TEST(TablePrint, TotalsUnderTheirColumnsWithTheCaption) {
    const std::string kEuro = "\xe2\x82\xac"; // one printed character
    struct Case {
        const char* what;
        bool fromColumnStart, figureRows;
        const char* caption;
        std::string line;
    };
    const Case cases[] = {
        // 12 ends at column 13, the amount at 30.
        {"aligned like the rows", false, false, "Total:", " Total:    12        " + kEuro + "1,234.50"},
        {"from the columns' starts", true, false, "Total:", " Total:  12       " + kEuro + "1,234.50"},
        {"as a figure row", false, true, "Totals", " Totals    12        " + kEuro + "1,234.50"},
    };
    for (const Case& c : cases) {
        ResultTable table = sampleTable();
        // Counts carry no currency symbol; an empty date and the data-only column print nothing.
        table.totals = TableRow{std::int64_t{12}, TableCell(), 1234.5, TableCell(), 5.0};
        table.totalsCaption = c.caption;
        TablePrintLayout layout = sampleLayout();
        layout.columns[0] = {"n", 10, 4};
        layout.totalsFromColumnStart = c.fromColumnStart;
        layout.figureRows = c.figureRows;
        Printout printout(0);
        printTableTotals(printout, table, layout, {"", kEuro, 0, {}});
        ASSERT_EQ(printout.pages()[0].lines.size(), 1u) << c.what;
        EXPECT_EQ(printout.pages()[0].lines[0].text(), c.line) << c.what;
    }
    ResultTable none = sampleTable();
    Printout printout(0);
    printTableTotals(printout, none, sampleLayout(), {});
    EXPECT_TRUE(printout.pages()[0].lines.empty()); // no totals, no line
}

// As figure rows, a figure too wide for its column reaches left while a blank is left, and what
// would pass the page's edge goes on to the next line under its own column.
TEST(TablePrint, FigureRowsReachLeftAndWrapAtTheEdge) {
    ResultTable table;
    table.columns = {
        {"n", "No.", FigureKind::Count}, {"a", "A", FigureKind::Money}, {"b", "B", FigureKind::Money}};
    table.rows = {{std::int64_t{1}, 12345678.0, 1.0}, {std::int64_t{2}, 1.0, 123456789012345.0}};
    TablePrintLayout layout;
    layout.columns = {{"n", 2}, {"a", 60, 11}, {"b", 67, 12}}; // a ends at 70, b at 78
    layout.figureRows = true;
    Printout printout(0);
    printTableRows(printout, table, layout, {});
    const auto lines = pageText(printout, 0);
    ASSERT_EQ(lines.size(), 3u);
    // "12,345,678.00" (13) ends at column 70, starting at 58 left of its column.
    EXPECT_EQ(lines[0], " 1" + std::string(55, ' ') + "12,345,678.00    1.00");
    // "123,456,789,012,345.00" (22) would start after the 1.00 and pass column 80: it goes on to
    // the next line, ending at its column's end.
    EXPECT_EQ(lines[1], " 2" + std::string(64, ' ') + "1.00");
    EXPECT_EQ(lines[2], std::string(56, ' ') + "123,456,789,012,345.00");
}
