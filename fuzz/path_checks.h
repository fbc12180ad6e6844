// What every whole-path fuzz target asks of what the program makes from a file it accepted: a
// printout without NaN or infinity and with a form feed only between pages, and chart figures that
// are all finite, for every chart the chart window offers.
#pragma once

#include "app/core/printout.h"
#include "charts/core/chart_data.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brisk::fuzzing {

// `userTexts` (a title, a header, a currency symbol) may say anything, "nan" too: they are left
// out of the search, as the printout shows them (control characters as blanks).
inline void checkPrintout(const Printout& printout, std::initializer_list<std::string_view> userTexts = {}) {
    std::string text = printout.plainText();
    bool figuresOnly = true; // a user text that holds "nan" may show cut, where it cannot be told apart
    for (std::string_view user : userTexts) {
        if (user.find("nan") != std::string_view::npos || user.find("inf") != std::string_view::npos)
            figuresOnly = false;
        std::string shown(user);
        for (char& c : shown)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
        if (shown.empty()) continue;
        for (auto at = text.find(shown); at != std::string::npos; at = text.find(shown, at + shown.size()))
            text.replace(at, shown.size(), shown.size(), ' ');
    }
    if (figuresOnly && (text.find("nan") != std::string::npos || text.find("inf") != std::string::npos))
        std::abort();
    const auto feeds = std::count(text.begin(), text.end(), '\f');
    if (static_cast<std::size_t>(feeds) + 1 != printout.pages().size() && feeds != 0) std::abort();
}

inline void checkChart(const ChartData& chart) {
    if (chart.values.size() != chart.labels.size()) std::abort();
    for (double v : chart.values)
        if (!std::isfinite(v)) std::abort();
}

inline void checkHandover(const ChartHandover& handover) {
    for (int kind : offeredKinds(handover.GraphCaller, handover.CalcMode))
        checkChart(prepareChart(handover, kind, "$"));
}

} // namespace brisk::fuzzing
