// The program-wide values of the application shell: layout, modes, personal settings, and the
// requests to and answers from the shared dialogs.
#pragma once

#include "app/core/dates.h"
#include "app/core/key_filter.h"

#include <optional>
#include <string>

namespace brisk {

struct ShellState {
    int LayoutClass = 0;   // 6810 normal, 8670 large, 0 before the frame's first resize
    std::string TodayText; // today in the short date form, taken once at start
    int CalcMode = 0;      // growth planner: 1 planning, 2 comparisons
    int MortgageMode = 0;  // mortgage window: 1 mortgage, 2 personal loan
    ShortDateForm DateForm;

    // Personal settings.
    std::string CurrencySymbol = "$";
    std::string UserName;
    int PrinterFontChoice = 0;
    int PageLines = 53;

    // The header line of the printout being made; nothing when the user cancelled it, so that
    // any text (even "1") can be a header.
    std::optional<std::string> PrintHeader;

    // Shared dialogs: what the caller asks, and what comes back.
    int MsgNumber = 0;
    std::string MsgDetail, MsgLowText;
    int AskNumber = 0;
    int FileOp = 0;
    std::string ChosenFile, DbFileName, MortFileName, LoanFileName;

    EntryState entry;
};

} // namespace brisk
