// Calendar dates: the system short date form, date parsing, date masks and date arithmetic.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace brisk {

using Date = std::chrono::year_month_day;

// The user's short date form: the order of the parts and their separator, taken from the locale.
// The year is always shown with four digits, so a date written as text reads back the same.
struct ShortDateForm {
    enum class Order { DayMonthYear, MonthDayYear, YearMonthDay };
    Order order = Order::YearMonthDay;
    char separator = '-';
    bool padDay = true;
    bool padMonth = true;
};

// Derives the form from a locale pattern such as "M/d/yy", "dd.MM.yyyy" or "yyyy-MM-dd".
ShortDateForm shortDateFormFromPattern(std::string_view pattern);

std::string shortDateText(Date date, const ShortDateForm& form);
// Reads a date typed in the short date form (two-digit years: 00-29 are 2000s, 30-99 1900s), or in
// ISO form yyyy-mm-dd whatever the locale. Nothing when the text is not a valid date.
std::optional<Date> parseDate(std::string_view text, const ShortDateForm& form);

// Reads a date a file holds: in the form of its writer first (or ISO form), then in any other order
// of day, month and year as long as only one date fits. A file saved under another locale reads
// the same; "12/7/2026" without its writer's form fits two dates and is refused.
std::optional<Date> parseFileDate(std::string_view text, const ShortDateForm& writerForm);

// A date mask of d, dd, m, mm, mmm, mmmm, yy and yyyy; other characters stand as they are.
std::string FormatDate(Date date, std::string_view mask);

std::string isoDateText(Date date); // yyyy-mm-dd
std::optional<Date> parseIsoDate(std::string_view text);

Date addDays(Date date, int days);
// Adds calendar months; a day past the new month's end becomes its last day (31 Jan + 1 = 28/29 Feb).
Date addMonths(Date date, int months);
Date addYears(Date date, int years);

// Today in local time.
Date today();

} // namespace brisk
