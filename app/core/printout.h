// A printout as a page model: lines of text placed at character columns, split into pages. The
// printer back end draws it; tests and the command line read it as it stands.
#pragma once

#include "app/core/dates.h"
#include "app/core/result_table.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brisk {

// The characters a printed line holds in every printer font: the printer draws a page this many of
// its font's characters wide, and cuts what lies beyond.
inline constexpr int kPrintedLineWidth = 80;

// What every printout takes from the program besides its own results.
struct PrintContext {
    std::string header; // the user's one-line header
    std::string currencySymbol = "$";
    int fontChoice = 0; // PrinterFontChoice
    ShortDateForm dateForm;
};

struct PrintPiece {
    int column; // 1-based character column, as the printer's tab positions count
    std::string text;
};

struct PrintLine {
    std::vector<PrintPiece> pieces; // none: an empty line
    // The line as text: each piece from its column, or one blank after the piece before it when
    // that one reaches past the column (text never overlaps).
    std::string text() const;
};

struct PrintPage {
    std::vector<PrintLine> lines;
};

// Lines per page for a printer font choice: 0 the printer's standard font (53), 1 to 3 Courier New
// 10, 11 and 12 point (63, 56, 51). A choice outside 0 to 3 counts as 0.
int pageLinesFor(int fontChoice);
int fontPointSize(int fontChoice); // the point size the back end draws each choice in

class Printout {
  public:
    explicit Printout(int fontChoice);

    // Starts the font for the page: one empty line, and the page length of the font choice.
    void SetPrinterFont();
    void print(std::vector<PrintPiece> pieces);
    void printAt(int column, std::string_view text) { print({{column, std::string(text)}}); }
    void emptyLine(int count = 1);
    // "Page" and the current page number at `column`.
    void printPageNumber(int column);
    void newPage();
    // The usual page end and start: two empty lines, "Page" and its number at `numberColumn`, a
    // new page, and the font set again for it.
    void breakPage(int numberColumn = 40);
    void EndPrintout(); // ends the last page; a later line starts no page

    int page() const { return static_cast<int>(m_pages.size()); }
    int linesOnPage() const { return static_cast<int>(m_pages.back().lines.size()); }
    int PageLines() const { return m_pageLines; }
    int fontChoice() const { return m_fontChoice; }
    bool ended() const { return m_ended; }
    const std::vector<PrintPage>& pages() const { return m_pages; }

    // All pages as plain text, each line ended by a line feed, pages separated by a form feed.
    std::string plainText() const;

  private:
    int m_fontChoice;
    int m_pageLines = 53;
    bool m_ended = false;
    std::vector<PrintPage> m_pages{1};
};

// One printed row of figures in columns. A figure ends at its column's right end, under its
// heading; one too wide for its column reaches left while a blank still parts it from the text
// before, and otherwise pushes the rest of the row right; what would pass the page's right edge
// goes on to a next line, under its own column. So figures never touch and none is cut.
class FigureRow {
  public:
    explicit FigureRow(int lineWidth = kPrintedLineWidth) : m_lineWidth(lineWidth) {}

    // Text from a character column (1-based), as a tab position places it.
    FigureRow& at(int column, std::string_view text);
    // A figure whose last character falls in `column` (1-based).
    FigureRow& endingAt(int column, std::string_view text);

    // The printed lines: one, or more where the figures would pass the page's edge.
    std::vector<std::string> lines() const;
    // The lines each ended by a carriage return and line feed, as printout texts keep them.
    std::string text() const;

  private:
    void place(int start, std::string_view text);

    int m_lineWidth;
    std::vector<std::string> m_done;
    std::string m_line;
    int m_length = 0; // characters in m_line
};

// Where a column of a result table prints. The printed columns' places are irregular (each sits
// under its printed heading), so each printout gives them once beside its headings; the table
// itself says what the column holds and how its figures are masked.
struct PrintColumn {
    std::string id; // the table column's id
    int column = 1; // 1-based, where the column starts
    // Figures right-aligned in this many characters from `column`; 0: text as it stands from
    // `column`.
    int width = 0;
    std::string mask = {}; // the printout's own mask; empty: the table column's
    bool symbol = false;   // money after the currency symbol (totals always have it)
};

// How a printout lays out a result table below its headings.
struct TablePrintLayout {
    std::vector<PrintColumn> columns; // the printed columns, left to right
    // A figure wider than its column: false, it keeps its start and the rest of the line moves on
    // (the page model's own rule); true, it is laid as a FigureRow, which reaches left and goes on
    // to a next line at the page's edge.
    bool figureRows = false;
    // Lines kept free at a page's foot beyond the page number's: on the first page and on the
    // pages after. A page breaks once its lines and these reach PageLines.
    int firstPageSpare = 0;
    int laterPageSpare = 0;
    int pageNumberColumn = 40;
    bool breakPages = true; // false: the printout breaks its pages after a count of rows itself
    // What a new page prints above its rows, after the font is set again.
    std::function<void(Printout&)> pageTop = {};
    // What a row prints above and below its figures.
    std::function<void(Printout&, const TableRow&)> beforeRow = {};
    std::function<void(Printout&, const TableRow&)> afterRow = {};
    int captionColumn = 2; // the totals' caption
    // The totals start at their columns' starts; otherwise they align like the rows' figures.
    bool totalsFromColumnStart = false;
};

// Prints the table's rows, one line each (more for a FigureRow that passes the edge), and breaks
// the page after a row that fills it. An empty cell prints nothing.
void printTableRows(Printout& printout, const ResultTable& table, const TablePrintLayout& layout,
                    const PrintContext& context);
// Prints the totals line, when the table has one: its caption, then each money total after the
// currency symbol. No page break follows.
void printTableTotals(Printout& printout, const ResultTable& table, const TablePrintLayout& layout,
                      const PrintContext& context);

} // namespace brisk
