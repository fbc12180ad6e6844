#include "mortgage/core/schedule_text.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/core/text_align.h"

namespace brisk {

namespace {

// A payment or year number as its "####" mask shows it, its digits: made for every row of a table
// of thousands, so without reading the mask.
std::string numberText(int n) {
    return n > 0 ? std::to_string(n) : Format(n, mask::Number);
}

} // namespace

std::string firstColumnText(const Schedule& s, const ScheduleRow& row, const ShortDateForm& form) {
    if (row.date) return shortDateText(*row.date, form);
    if (s.annual) return numberText(row.number);
    std::string text = RightAlign(numberText(row.number), 4);
    if (row.yearLabel > 0) text += " " + RightAlign(numberText(row.yearLabel), 3);
    return text;
}

std::string daysInYearText(const Schedule& s) {
    if (s.normalDays) return "Normal";
    return Format(s.DaysInYear, s.DaysInYear == 365.25f ? mask::DaysInYear : mask::Years);
}

std::string rateFactorText(const Schedule& s) {
    return Format(s.periodicRate, mask::PeriodicRate);
}

std::string finalPaymentText(const Schedule& s, MortgageKind mode) {
    return Format(s.finalPaymentTime(mode), mask::Percent);
}

ResultTable scheduleTable(const Schedule& s, const ShortDateForm& form) {
    ResultTable table;
    const auto money = [](const char* id, const char* heading) {
        return TableColumn{id, heading, FigureKind::Money, mask::WideAmount};
    };
    table.columns = {
        {"payment",
         s.annual      ? " Payment  Year"
         : s.viewDates ? " Payment  Date"
                       : "  Payment   No.  Year",
         FigureKind::Text,
         {},
         ColumnUse::WindowOnly},
        {"row", "Payment", FigureKind::Count, {}, ColumnUse::DataOnly},
        {"year", "Year", FigureKind::Count, {}, ColumnUse::DataOnly},
        {"date", "Date", FigureKind::Date, {}, ColumnUse::DataOnly},
        money("interest", "Interest Payment"),
        money("principal", "Principal Payment"),
        money("balance", "Remaining Balance"),
        money("cumulative_interest", "Cumulative Interest"),
        money("cumulative_principal", "Cumulative Principal"),
    };
    table.rows.reserve(s.shown().size());
    for (const ScheduleRow& row : s.shown()) {
        const int year = s.annual ? row.number : (row.number - 1) / s.paymentsPerYear + 1;
        table.rows.push_back({firstColumnText(s, row, form), std::int64_t{row.number}, std::int64_t{year},
                              row.date ? TableCell(*row.date) : TableCell(), row.interest, row.principal,
                              row.balance, row.cumulativeInterest, row.cumulativePrincipal});
    }
    if (!s.shown().empty()) {
        const ScheduleRow& last = s.shown().back();
        table.totals = TableRow(table.columns.size());
        TableRow& totals = *table.totals;
        totals[6] = last.balance;
        totals[7] = last.cumulativeInterest;
        totals[8] = last.cumulativePrincipal;
    }
    return table;
}

} // namespace brisk
