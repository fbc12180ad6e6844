#include "mortgage/core/mortgage_printout.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "mortgage/core/schedule_text.h"

namespace brisk {

namespace {

const std::string kRule(75, '_');

// The schedule under its two heading lines: the first column as the window shows it, then the money
// columns right-aligned. The blocks above take two lines more than they print on the first page,
// and the repeated headings one more on the pages after.
TablePrintLayout scheduleLayout() {
    TablePrintLayout layout;
    layout.columns = {{"payment", 2},
                      {"interest", 13, 11},
                      {"principal", 25, 10},
                      {"balance", 36, 13},
                      {"cumulative_interest", 50, 14},
                      {"cumulative_principal", 65, 12}};
    layout.firstPageSpare = 2;
    layout.laterPageSpare = 1;
    layout.totalsFromColumnStart = true;
    return layout;
}

} // namespace

Printout mortgagePrintout(const MortgageInputs& in, const Schedule& s, const PrintContext& context) {
    const bool loan = in.MortgageMode == MortgageKind::Loan;
    Printout p(context.fontChoice);
    p.SetPrinterFont();
    p.printAt(2, context.header);
    p.emptyLine();
    p.printAt(32, loan ? " Personal Loan Table" : " Mortgage Table");

    const std::string heading1 =
        " Payment    Interest   Principal     Remaining    Cumulative     Cumulative";
    const std::string heading2 =
        s.annual      ? "  Year       Payment     Payment       Balance      Interest      Principal"
        : s.viewDates ? "   Date      Payment     Payment       Balance      Interest      Principal"
                      : "No. Year     Payment     Payment       Balance      Interest      Principal";

    p.printAt(2, kRule);
    p.emptyLine();
    p.printAt(2, loan ? "Principal   Annual     Length of      Interest       Frequency     Included"
                      : "Principal   Annual     Amortization   Interest       Frequency     Included");
    p.printAt(2, loan ? "amount of   interest   the loan       compounding    and type      in P + I"
                      : "amount of   interest   period in      compounding    and type      in P + I");
    p.printAt(2, std::string(loan ? "the loan.   rate(%).   in months.     periods/year.  of payment. "
                                  : "mortgage.   rate(%).   years.         periods/year.  of payment. ") +
                     Format(in.ExtraPercent * 100.0, mask::RateWithZero) + "%");
    p.emptyLine();
    const double term = loan ? in.termYears.toDouble() * 12 : in.termYears.toDouble();
    p.print({{2, Format(in.principal.toDouble(), mask::Amount)},
             {14, Format(in.rate.toDouble(), mask::InterestRate) + "%"},
             {23, Format(term, mask::Years)},
             {36, compoundingOf(in.compounding).item},
             {51, frequencyOf(in.frequency).item},
             {68, Format(s.paymentIncrease, mask::Amount)}});

    p.printAt(2, kRule);
    p.emptyLine();
    p.printAt(2, loan ? "Days   Interest    No. of     No. months Principal   Total paid    Total of"
                      : "Days   Interest    No. of     No. years  Principal   Total paid    Total of");
    p.printAt(2, "in     rate        payments   to final   + Interest  over life     interest");
    p.printAt(2, loan ? "year   factor      each year  payment    payment     of the loan   savings"
                      : "year   factor      each year  payment    payment     of mortgage   savings");
    p.print({{2, daysInYearText(s)},
             {9, rateFactorText(s)},
             {19, Format(s.paymentsPerYear, mask::Percent)},
             {31, finalPaymentText(s, in.MortgageMode)},
             {40, Format(s.payment, mask::NarrowAmount)},
             {53, Format(s.totalPaid, mask::Amount)},
             {65, Format(s.interestSavings, mask::WideAmount)}});

    auto scheduleHeadings = [&] {
        p.printAt(2, heading1);
        p.printAt(2, heading2);
        p.printAt(2, kRule);
    };
    p.printAt(2, kRule);
    scheduleHeadings();
    p.emptyLine();
    TablePrintLayout layout = scheduleLayout();
    layout.pageTop = [&](Printout&) {
        p.emptyLine(2);
        scheduleHeadings();
    };
    const ResultTable table = scheduleTable(s, context.dateForm);
    printTableRows(p, table, layout, context);
    p.emptyLine();
    printTableTotals(p, table, layout, context);
    p.emptyLine(2);
    p.printPageNumber(40);
    p.EndPrintout();
    return p;
}

} // namespace brisk
