// What the program does with a value database it holds, whether read from a file or made by an
// import: the averages sheet in both wordings, sorting, extracting, every page of the trend graph,
// the printout, and saving; any broken promise aborts.
#pragma once

#include "path_checks.h"
#include "valuedb/core/averages.h"
#include "valuedb/core/database_printout.h"
#include "valuedb/core/trend_pages.h"

namespace brisk::fuzzing {

inline void checkDatabasePath(ValueDatabase db) {
    const ShortDateForm form;
    const SheetOutcome sheet = computeSheet(db, form);
    if (sheet.figures)
        for (SheetPeriods periods : {SheetPeriods::Weeks, SheetPeriods::Values}) {
            const SheetTexts t = sheetTexts(*sheet.figures.value, db, "$", periods);
            if (t.risk.find("nan") != std::string::npos || t.target.find("inf") != std::string::npos)
                std::abort();
        }
    fuzzing::checkPrintout(databasePrintout(db, {"Header", "$", 0, form}), {db.DbTitle});
    const int records = db.RecordCount();
    if (records > 0) {
        TrendPage page = firstTrendPage(records);
        for (int n = 0; n < 100; ++n) {
            fuzzing::checkChart(trendChart(db, page, n % 2 == 1, true));
            const TrendPage older = olderPage(page, records);
            if (older == page) break;
            page = older;
        }
        const auto part = extractRecords(db, 1 + records / 3, records);
        if (part && part->RecordCount() != records - records / 3) std::abort();
    }
    sortRecords(db);
    for (int i = 1; i < db.RecordCount(); ++i)
        if (db.records[i - 1].date < db.records[i].date) std::abort(); // newest first
    // What was loaded and sorted saves and loads again.
    if (!parseZrk(zrkBytes(db))) std::abort();
}

} // namespace brisk::fuzzing
