#include "valuedb/core/database_printout.h"

#include "app/core/mask_format.h"
#include "app/core/text_align.h"

namespace brisk {

Printout databasePrintout(const ValueDatabase& db, const PrintContext& context) {
    ValueDatabase shown = db;
    shown.compactEarnings();
    const bool earnings = shown.EarnCount > 0;
    Printout p(context.fontChoice);
    p.SetPrinterFont();
    p.print({{2, context.header}, {30, db.DbTitle}});
    p.emptyLine(2);
    if (earnings) {
        p.printAt(10, "Record        Date            Data           Year      Earnings");
        p.printAt(10, "_______________________________________________________________");
    } else {
        p.printAt(10, "Record       Date            Data");
        p.printAt(10, "__________________________________");
    }
    p.setCounter(static_cast<int>(p.pages().back().lines.size()));
    auto earningsPieces = [&](int j) {
        const EarningsRow& row = shown.earnings[j];
        return std::vector<PrintPiece>{
            {55, RightAlign(Format(row.year, "####"), 4)},
            {63, RightAlign(Format(row.amount, "##,,###.00"), 10, Overflow::KeepWhole)}};
    };
    auto countAndBreak = [&] {
        if (!p.countLine()) return;
        p.breakPage();
        p.printAt(35, db.DbTitle);
        p.setCounter(static_cast<int>(p.pages().back().lines.size()));
    };
    for (int i = 1; i <= shown.RecordCount(); ++i) {
        const ValueRecord& r = shown.records[i - 1];
        std::vector<PrintPiece> pieces{
            {10, RightAlign(Format(i, "###"), 3, Overflow::KeepWhole)},
            {20, RightAlign(shortDateText(r.date, context.dateForm), 10)},
            {32, RightAlign(Format(r.value, "####,,###.00"), 12, Overflow::KeepWhole)}};
        if (i <= shown.EarnCount)
            for (PrintPiece& piece : earningsPieces(i - 1))
                pieces.push_back(std::move(piece));
        p.print(std::move(pieces));
        countAndBreak();
    }
    // Earnings rows beyond the records still print, on lines of their own.
    for (int j = shown.RecordCount(); j < shown.EarnCount; ++j) {
        p.print(earningsPieces(j));
        countAndBreak();
    }
    p.emptyLine(2);
    p.printPageNumber(40);
    p.EndPrintout();
    return p;
}

} // namespace brisk
