#include "valuedb/core/database_printout.h"
#include "app/core/figure_format.h"

#include <algorithm>

namespace brisk {

namespace {

// The record table with the earnings beside it: row j of the earnings on the line of record j, and
// earnings beyond the records on lines of their own.
ResultTable printedTable(const ValueDatabase& shown) {
    ResultTable table = recordTable(shown);
    const std::size_t year = table.columns.size();
    table.columns.push_back({"earnings_year", "Year", FigureKind::Count, mask::Number});
    table.columns.push_back({"earnings", "Earnings", FigureKind::Money, mask::NarrowAmount});
    table.rows.resize(std::max<std::size_t>(table.rows.size(), shown.EarnCount));
    for (int j = 0; j < shown.EarnCount; ++j) {
        TableRow& row = table.rows[j];
        row.resize(table.columns.size());
        row[year].emplace<std::int64_t>(shown.earnings[j].year);
        row[year + 1].emplace<double>(shown.earnings[j].amount);
    }
    return table;
}

} // namespace

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
    TablePrintLayout layout;
    layout.columns = {{"record", 10, 3, mask::Years},
                      {"date", 20, 10},
                      {"value", 32, 12},
                      {"earnings_year", 55, 4},
                      {"earnings", 63, 10}};
    layout.pageTop = [&](Printout&) { p.printAt(35, db.DbTitle); };
    printTableRows(p, printedTable(shown), layout, context);
    p.emptyLine(2);
    p.printPageNumber(40);
    p.EndPrintout();
    return p;
}

} // namespace brisk
