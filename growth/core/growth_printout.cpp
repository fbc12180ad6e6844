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

void printTextBlock(Printout& printout, const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty())
            printout.emptyLine();
        else
            printout.printAt(1, line);
        start = end + 1;
    }
}

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

Printout comparisonsPrintout(const std::string& page1, const std::string& page2,
                             const PrintContext& context) {
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
    printTextBlock(p, page1);
    if (!page2.empty()) {
        p.newPage();
        p.SetPrinterFont();
        p.emptyLine(2);
        p.printAt(2, separator);
        p.emptyLine();
        printTextBlock(p, page2);
    }
    p.EndPrintout();
    return p;
}

Printout finderPrintout(const std::string& page1, const std::string& page2, const PrintContext& context) {
    Printout p(context.fontChoice);
    p.SetPrinterFont();
    p.printAt(2, context.header);
    p.printAt(2, std::string(78, '_'));
    p.printAt(25, "Annual Compounding Comparisons");
    p.emptyLine(2);
    p.printAt(2, "Term in          Cost of         Current or      Compounded at   Total Rate(%)");
    p.printAt(2, " Years        Investment       Future Value     Annual Rate(%)     over Period");
    printTextBlock(p, page1);
    if (!page2.empty()) {
        p.newPage();
        p.SetPrinterFont();
        printTextBlock(p, page2);
    }
    p.EndPrintout();
    return p;
}

} // namespace brisk
