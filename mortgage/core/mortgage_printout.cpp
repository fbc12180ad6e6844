#include "mortgage/core/mortgage_printout.h"

#include "app/core/mask_format.h"
#include "app/core/text_align.h"
#include "mortgage/core/schedule_text.h"

namespace brisk {

namespace {

const std::string kRule(75, '_');
constexpr int kFirstRowsCounter = 24; // the lines the blocks above the schedule take
constexpr int kNextPageCounter = 7;

// The schedule's money columns and the widths their figures are right-aligned in.
constexpr struct { int column, width; } kMoneyColumns[] = {{13, 11}, {25, 10}, {36, 13}, {50, 14}, {65, 12}};

std::string figure(double value, const char* mask, int width) {
    return RightAlign(Format(value, mask), width, Overflow::KeepWhole);
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
                     Format(in.ExtraPercent * 100.0, "##0.000") + "%");
    p.emptyLine();
    const double term = loan ? in.termYears.toDouble() * 12 : in.termYears.toDouble();
    p.print({{2, Format(in.principal.toDouble(), "###,,###.00")},
             {14, Format(in.rate.toDouble(), "###.000") + "%"},
             {23, Format(term, "###")},
             {36, in.compounding},
             {51, in.frequency},
             {68, Format(s.paymentIncrease, "###,,###.00")}});

    p.printAt(2, kRule);
    p.emptyLine();
    p.printAt(2, loan ? "Days   Interest    No. of     No. months Principal   Total paid    Total of"
                      : "Days   Interest    No. of     No. years  Principal   Total paid    Total of");
    p.printAt(2, "in     rate        payments   to final   + Interest  over life     interest");
    p.printAt(2, loan ? "year   factor      each year  payment    payment     of the loan   savings"
                      : "year   factor      each year  payment    payment     of mortgage   savings");
    p.print({{2, daysInYearText(s)},
             {9, rateFactorText(s)},
             {19, Format(s.paymentsPerYear, "###.00")},
             {31, finalPaymentText(s, in.MortgageMode)},
             {40, Format(s.payment, "##,,###.00")},
             {53, Format(s.totalPaid, "###,,###.00")},
             {65, Format(s.interestSavings, "####,,###.00")}});

    auto scheduleHeadings = [&] {
        p.printAt(2, heading1);
        p.printAt(2, heading2);
        p.printAt(2, kRule);
    };
    p.printAt(2, kRule);
    scheduleHeadings();
    p.emptyLine();
    p.setCounter(kFirstRowsCounter);
    for (const ScheduleRow& row : s.shown()) {
        const double values[] = {row.interest, row.principal, row.balance, row.cumulativeInterest,
                                 row.cumulativePrincipal};
        std::vector<PrintPiece> pieces{{2, firstColumnText(s, row, context.dateForm)}};
        for (int c = 0; c < 5; ++c)
            pieces.push_back(
                {kMoneyColumns[c].column, figure(values[c], kMoneyMask, kMoneyColumns[c].width)});
        p.print(std::move(pieces));
        if (p.countLine()) {
            p.breakPage();
            p.emptyLine(2);
            scheduleHeadings();
            p.setCounter(kNextPageCounter);
        }
    }
    p.emptyLine();
    if (!s.shown().empty()) {
        const ScheduleRow& last = s.shown().back();
        const std::string& c = context.currencySymbol;
        p.print({{2, "Total:"},
                 {36, c + moneyText(last.balance)},
                 {50, c + moneyText(last.cumulativeInterest)},
                 {65, c + moneyText(last.cumulativePrincipal)}});
    }
    p.emptyLine(2);
    p.printPageNumber(40);
    p.EndPrintout();
    return p;
}

} // namespace brisk
