// The value database's program-wide values: the database in memory and the editor's, the sheet's
// and the extract's state.
#pragma once

#include "valuedb/core/value_database.h"

namespace brisk {

struct ValueDbState {
    ValueDatabase db;
    int WeekPointsMode = 0;   // the sheet's periods as weeks (0) or data values (1)
    int TrendGraphCaller = 0; // 1 the averages sheet, 2 the database menu
    int EditMode = 0;         // 0 adding, 1 correcting, 2 inserting, 3 deleting
    int EditRecNo = 0;
    int GridRecNo = 0;
    int ExtractLow = 0, ExtractHigh = 0;
};

ValueDbState& valueDb();

// Makes the main menu's "Brisklane Menu" open the database menu.
void registerValueDbWindows();

} // namespace brisk
