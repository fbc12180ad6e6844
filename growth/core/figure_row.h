// One printed row of figures in columns. A figure ends at its column's right end, under its
// heading; one too wide for its column reaches left while a blank still parts it from the text
// before, and otherwise pushes the rest of the row right; what would pass the page's right edge
// goes on to a next line, under its own column. So figures never touch and none is cut.
#pragma once

#include "app/core/printout.h"

#include <string>
#include <string_view>
#include <vector>

namespace brisk {

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

} // namespace brisk
