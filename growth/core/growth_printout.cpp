#include "growth/core/growth_printout.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/core/text_align.h"

namespace brisk {

namespace {

// The plan's periods under their headings, each amount ending under its heading's end. Wide figures
// reach left and wrap at the page's edge rather than run together. The blocks above count seven
// lines more than they print on the first page, the repeated headings one more on the pages after.
TablePrintLayout planLayout() {
    TablePrintLayout layout;
    layout.columns = {
        {"period", 2, 0, mask::Years}, {"invested", 19, 12}, {"interest", 40, 12}, {"value", 62, 12}};
    layout.figureRows = true;
    layout.firstPageSpare = 7;
    layout.laterPageSpare = 1;
    return layout;
}

} // namespace

Printout savingsPrintout(const SavingsInputs& in, const SavingsPlan& plan, const PrintContext& context) {
    const std::string& c = context.currencySymbol;
    Printout p(context.fontChoice);
    p.SetPrinterFont();
    p.printAt(2, context.header);
    p.emptyLine();
    p.printAt(25, "Investment Growth Calculation");
    p.emptyLine();
    auto input = [&](const char* label, const std::string& value) { p.print({{2, label}, {52, value}}); };
    input("Amount of Lump Sum Invested at Start", moneyText(c, in.lumpSum.toDouble(), mask::NarrowAmount));
    input("Annual Amount Invested each contribution", moneyText(c, in.amount.toDouble(), mask::NarrowAmount));
    input("Frequency of each contribution", frequencyName(in.frequency));
    input("Annual Interest/Growth Rate(%)", Format(in.rate.toDouble(), mask::Percent) + "%");
    input("Increase the annual Investment Rate by", Format(in.increase.toDouble(), mask::Percent) + "%");
    input("Adjust Current Value for Annual Inflation Rate(%)",
          Format(in.inflation.toDouble(), mask::Percent) + "%");
    input("Time in Years", Format(in.term.toDouble(), mask::Years));
    p.emptyLine(2);
    const std::string rule(72, '_');
    auto headings = [&] {
        p.printAt(2, rule);
        p.printAt(2, RightAlign(frequencyName(in.frequency), 9) +
                         "          Investment      Interest/Growth         Current Value");
        p.emptyLine();
    };
    headings();
    ResultTable table = planTable(plan);
    table.totals = TableRow{TableCell(), plan.totalInvested, plan.totalInterest(), plan.finalValue};
    TablePrintLayout layout = planLayout();
    layout.pageTop = [&](Printout&) {
        p.emptyLine();
        headings();
    };
    printTableRows(p, table, layout, context);
    p.printAt(2, rule);
    p.emptyLine();
    printTableTotals(p, table, layout, context);
    p.emptyLine(2);
    p.printPageNumber(40);
    p.EndPrintout();
    return p;
}

namespace {

// The rows up to `last` (1-based), or those after `first`: one printed page of a list.
ResultTable rowsOf(const ResultTable& table, std::size_t first, std::size_t last) {
    ResultTable part = table;
    part.rows.assign(table.rows.begin() + static_cast<std::ptrdiff_t>(std::min(first, table.rows.size())),
                     table.rows.begin() + static_cast<std::ptrdiff_t>(std::min(last, table.rows.size())));
    return part;
}

} // namespace

Printout comparisonsPrintout(const ResultTable& examples, const PrintContext& context) {
    const std::string separator(77, '_');
    Printout p(context.fontChoice);
    p.SetPrinterFont();
    p.printAt(2, context.header);
    p.emptyLine();
    p.printAt(30, "Investment Growth Comparisons");
    p.emptyLine(2);
    p.printAt(2, "Year Lump Sum   Annual     Interest Salary   Inflation   Total       Current");
    p.printAt(2, "End  Investment Investment /Growth  Increase Rate(%)     Invested    Value");
    p.printAt(2, separator);
    p.emptyLine();
    // Each figure ends where its column ends under the headings; a rule under each example.
    TablePrintLayout layout;
    layout.figureRows = true;
    layout.breakPages = false;
    layout.columns = {{"periods", 1, 3, mask::TwoDigits},
                      {"lump", 4, 12},
                      {"amount", 16, 12},
                      {"rate", 28, 8},
                      {"increase", 36, 8},
                      {"inflation", 44, 8},
                      {"total_invested", 52, 13, mask::Total},
                      {"final_value", 65, 14, mask::Total}};
    layout.afterRow = [&](Printout& page, const TableRow&) {
        page.printAt(1, " " + separator);
        page.emptyLine();
    };
    printTableRows(p, rowsOf(examples, 0, kExamplesFirstPage), layout, context);
    if (examples.rows.size() > kExamplesFirstPage) {
        p.newPage();
        p.SetPrinterFont();
        p.emptyLine(2);
        p.printAt(2, separator);
        p.emptyLine();
        printTableRows(p, rowsOf(examples, kExamplesFirstPage, examples.rows.size()), layout, context);
    }
    p.EndPrintout();
    return p;
}

Printout finderPrintout(const ResultTable& rows, const PrintContext& context) {
    Printout p(context.fontChoice);
    p.SetPrinterFont();
    p.printAt(2, context.header);
    p.printAt(2, std::string(78, '_'));
    p.printAt(25, "Annual Compounding Comparisons");
    p.emptyLine(2);
    p.printAt(2, "Term in          Cost of         Current or      Compounded at   Total Rate(%)");
    p.printAt(2, " Years        Investment       Future Value     Annual Rate(%)     over Period");
    // Each figure ends where its column ends under the headings; the investment's name above.
    TablePrintLayout layout;
    layout.figureRows = true;
    layout.breakPages = false;
    layout.columns = {{"term", 1, 5, mask::Years},
                      {"cost", 6, 20, {}, true},
                      {"value", 26, 19, {}, true},
                      {"rate", 45, 19, mask::GrowthRate4},
                      {"total_gain", 64, 16, mask::GrowthRate4}};
    const std::size_t name = *rows.column("name");
    layout.beforeRow = [&](Printout& page, const TableRow& row) {
        page.emptyLine();
        if (const auto* text = std::get_if<std::string>(&row[name]); text && !text->empty())
            page.printAt(1, " " + *text);
    };
    layout.afterRow = [](Printout& page, const TableRow&) {
        page.printAt(1, " " + std::string(78, '_') + " ");
    };
    printTableRows(p, rowsOf(rows, 0, kFinderRowsFirstPage), layout, context);
    if (rows.rows.size() > static_cast<std::size_t>(kFinderRowsFirstPage)) {
        p.newPage();
        p.SetPrinterFont();
        printTableRows(p, rowsOf(rows, kFinderRowsFirstPage, rows.rows.size()), layout, context);
    }
    p.EndPrintout();
    return p;
}

} // namespace brisk
