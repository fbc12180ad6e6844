// The program-wide values of the application shell: layout, modes, personal settings and the files
// in memory.
#pragma once

#include "app/core/dates.h"
#include "app/core/key_filter.h"
#include "app/core/modes.h"

#include <optional>
#include <string>

namespace brisk {

struct ShellState {
    int LayoutClass = 0;   // 6810 normal, 8670 large, 0 before the frame's first resize
    std::string TodayText; // today in the short date form, taken once at start
    PlannerMode CalcMode = PlannerMode::None;
    MortgageKind MortgageMode = MortgageKind::Mortgage;
    ShortDateForm DateForm;

    // Personal settings.
    std::string CurrencySymbol = "$";
    std::string UserName;
    int PrinterFontChoice = 0;
    int PageLines = 53;

    // The files in memory, and the folders they came from: the open and save dialogs start there.
    std::string DbFileName, MortFileName, LoanFileName;
    std::string DbFolder, MortFolder, LoanFolder;
    std::string CsvFolder; // of the last price file read or table saved as CSV

    EntryState entry;
};

} // namespace brisk
