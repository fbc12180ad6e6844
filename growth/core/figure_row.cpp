#include "growth/core/figure_row.h"

#include "app/core/text_align.h"

#include <algorithm>

namespace brisk {

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

} // namespace brisk
