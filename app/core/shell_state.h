// What is program-wide: the frame's layout, today's date and its short form, the personal settings,
// and the folders the file dialogs start in.
#pragma once

#include "app/core/dates.h"
#include <string>

namespace brisk {

struct ShellState {
    int LayoutClass = 0;   // 6810 normal, 8670 large, 0 before the frame's first resize
    std::string TodayText; // today in the short date form, taken once at start
    ShortDateForm DateForm;

    // Personal settings.
    std::string CurrencySymbol = "$";
    std::string UserName;
    int PrinterFontChoice = 0;
    int PageLines = 53;

    // The folder of the last database read or saved: its open and save dialogs start there.
    std::string DbFolder;
    std::string CsvFolder; // of the last price file read or table saved as CSV
};

} // namespace brisk
