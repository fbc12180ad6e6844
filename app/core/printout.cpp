#include "app/core/printout.h"

#include "app/core/text_align.h"

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

} // namespace brisk
