// A printout as a page model: lines of text placed at character columns, split into pages. The
// printer back end draws it; tests and the command line read it as it stands.
#pragma once

#include "app/core/dates.h"

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
    int PageLines() const { return m_pageLines; }
    int fontChoice() const { return m_fontChoice; }
    bool ended() const { return m_ended; }
    const std::vector<PrintPage>& pages() const { return m_pages; }

    // The running line counter each printout checks against PageLines.
    void setCounter(int value) { m_counter = value; }
    // Adds one printed line; true when the counter has reached PageLines.
    bool countLine() { return ++m_counter >= m_pageLines; }
    int counter() const { return m_counter; }

    // All pages as plain text, each line ended by a line feed, pages separated by a form feed.
    std::string plainText() const;

  private:
    int m_fontChoice;
    int m_pageLines = 53;
    int m_counter = 0;
    bool m_ended = false;
    std::vector<PrintPage> m_pages{1};
};

} // namespace brisk
