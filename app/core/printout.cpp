#include "app/core/printout.h"

#include "app/core/mask_format.h"
#include "app/core/text_align.h"

#include <algorithm>

namespace brisk {

std::string PrintLine::text() const {
    std::string line;
    int length = 0;
    for (const PrintPiece& piece : pieces) {
        const int start = piece.column - 1;
        if (start > length) {
            line.append(start - length, ' ');
            length = start;
        } else if (length > 0) {
            line += ' ';
            ++length;
        }
        line += piece.text;
        length += charCount(piece.text);
    }
    return line;
}

int pageLinesFor(int fontChoice) {
    switch (fontChoice) {
    case 1:
        return 63;
    case 2:
        return 56;
    case 3:
        return 51;
    default:
        return 53;
    }
}

int fontPointSize(int fontChoice) {
    switch (fontChoice) {
    case 1:
        return 10;
    case 2:
        return 11;
    default:
        return 12; // the standard font: a printer's usual 12 point fixed pitch
    }
}

Printout::Printout(int fontChoice) : m_fontChoice(fontChoice >= 0 && fontChoice <= 3 ? fontChoice : 0) {}

void Printout::SetPrinterFont() {
    emptyLine();
    m_pageLines = pageLinesFor(m_fontChoice);
}

void Printout::print(std::vector<PrintPiece> pieces) {
    if (m_ended) return;
    // Control characters (a form feed typed into a header, a tab in a title) would break the page
    // and the columns: each prints as a blank.
    for (PrintPiece& piece : pieces)
        for (char& c : piece.text)
            if ((static_cast<unsigned char>(c) < 0x20) || c == 0x7f) c = ' ';
    m_pages.back().lines.push_back({std::move(pieces)});
}

void Printout::emptyLine(int count) {
    for (int i = 0; i < count; ++i)
        print({});
}

void Printout::printPageNumber(int column) {
    printAt(column, "Page " + std::to_string(page()));
}

void Printout::newPage() {
    if (!m_ended) m_pages.emplace_back();
}

void Printout::breakPage(int numberColumn) {
    emptyLine(2);
    printPageNumber(numberColumn);
    newPage();
    SetPrinterFont();
}

void Printout::EndPrintout() {
    m_ended = true;
}

std::string Printout::plainText() const {
    std::string text;
    for (std::size_t p = 0; p < m_pages.size(); ++p) {
        if (p > 0) text += '\f';
        for (const PrintLine& line : m_pages[p].lines)
            text += line.text() + '\n';
    }
    return text;
}

FigureRow& FigureRow::at(int column, std::string_view text) {
    place(column - 1, text);
    return *this;
}

FigureRow& FigureRow::endingAt(int column, std::string_view text) {
    place(column - charCount(text), text);
    return *this;
}

// `start` counts from 0.
void FigureRow::place(int start, std::string_view text) {
    if (text.empty()) return; // an empty figure (a zero under a "#" mask) takes no room
    const int width = charCount(text);
    const int free = m_length == 0 ? 0 : m_length + 1; // a blank after what the line holds
    int from = std::max(start, free);
    if (m_length > 0 && from + width > m_lineWidth) {
        m_done.push_back(m_line);
        m_line.clear();
        m_length = 0;
        from = std::max(start, 0);
    }
    m_line.append(from - m_length, ' ');
    m_line += text;
    m_length = from + width;
}

std::vector<std::string> FigureRow::lines() const {
    std::vector<std::string> all = m_done;
    all.push_back(m_line);
    return all;
}

std::string FigureRow::text() const {
    std::string joined;
    for (const std::string& line : lines())
        joined += line + "\r\n";
    return joined;
}

namespace {

struct PlacedText {
    const PrintColumn* place;
    std::string text;
};

// The printed text of each cell the layout names, left to right; an empty cell, or a column the
// table does not have, gives nothing. Money totals carry the currency symbol.
std::vector<PlacedText> printedCells(const ResultTable& table, const TableRow& row,
                                     const TablePrintLayout& layout, const PrintContext& context,
                                     bool totals) {
    std::vector<PlacedText> cells;
    for (const PrintColumn& place : layout.columns) {
        const auto at = table.column(place.id);
        if (!at || *at >= row.size() || std::holds_alternative<std::monostate>(row[*at])) continue;
        TableColumn column = table.columns[*at];
        if (!place.mask.empty()) column.mask = place.mask;
        std::string text = displayText(row[*at], column, context.dateForm);
        if ((totals || place.symbol) && column.kind == FigureKind::Money)
            text = context.currencySymbol + text;
        cells.push_back({&place, std::move(text)});
    }
    return cells;
}

void printRow(Printout& printout, const std::vector<PlacedText>& cells, const TablePrintLayout& layout,
              const std::string* caption, bool fromColumnStart) {
    if (layout.figureRows) {
        FigureRow row;
        if (caption) row.at(layout.captionColumn, *caption);
        for (const PlacedText& cell : cells) {
            if (cell.place->width == 0 || fromColumnStart)
                row.at(cell.place->column, cell.text);
            else
                row.endingAt(cell.place->column + cell.place->width - 1, cell.text);
        }
        for (const std::string& line : row.lines())
            printout.printAt(1, line);
        return;
    }
    std::vector<PrintPiece> pieces;
    if (caption) pieces.push_back({layout.captionColumn, *caption});
    for (const PlacedText& cell : cells) {
        const int width = fromColumnStart ? 0 : cell.place->width;
        pieces.push_back(
            {cell.place->column, width == 0 ? cell.text : RightAlign(cell.text, width, Overflow::KeepWhole)});
    }
    printout.print(std::move(pieces));
}

} // namespace

void printTableRows(Printout& printout, const ResultTable& table, const TablePrintLayout& layout,
                    const PrintContext& context) {
    const int firstPage = printout.page();
    for (const TableRow& row : table.rows) {
        if (layout.beforeRow) layout.beforeRow(printout, row);
        printRow(printout, printedCells(table, row, layout, context, false), layout, nullptr, false);
        if (layout.afterRow) layout.afterRow(printout, row);
        const int spare = printout.page() == firstPage ? layout.firstPageSpare : layout.laterPageSpare;
        if (layout.breakPages && printout.linesOnPage() + spare >= printout.PageLines()) {
            printout.breakPage(layout.pageNumberColumn);
            if (layout.pageTop) layout.pageTop(printout);
        }
    }
}

void printTableTotals(Printout& printout, const ResultTable& table, const TablePrintLayout& layout,
                      const PrintContext& context) {
    if (!table.totals) return;
    printRow(printout, printedCells(table, *table.totals, layout, context, true), layout,
             &table.totalsCaption, layout.totalsFromColumnStart);
}

} // namespace brisk
