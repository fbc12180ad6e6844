#include "mortgage/core/schedule_text.h"

#include "app/core/mask_format.h"
#include "app/core/text_align.h"

namespace brisk {

std::string moneyText(double value) {
    return Format(value, kMoneyMask);
}

std::string firstColumnText(const Schedule& s, const ScheduleRow& row, const ShortDateForm& form) {
    if (row.date) return shortDateText(*row.date, form);
    if (s.annual) return Format(row.number, "####");
    std::string text = RightAlign(Format(row.number, "####"), 4);
    if (row.yearLabel > 0) text += " " + RightAlign(Format(row.yearLabel, "###"), 3);
    return text;
}

std::string daysInYearText(const Schedule& s) {
    if (s.normalDays) return "Normal";
    return Format(s.DaysInYear, s.DaysInYear == 365.25f ? "###.##" : "###");
}

std::string rateFactorText(const Schedule& s) {
    return Format(s.periodicRate, "0.########");
}

std::string finalPaymentText(const Schedule& s, MortgageKind mode) {
    return Format(s.finalPaymentTime(mode), "###.00");
}

} // namespace brisk
