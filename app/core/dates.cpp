#include "app/core/dates.h"

#include <array>
#include <charconv>
#include <ctime>
#include <vector>

namespace brisk {

using namespace std::chrono;

namespace {

constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

std::string padded(unsigned value, bool pad) {
    std::string text = std::to_string(value);
    return pad && text.size() < 2 ? '0' + text : text;
}

// Years are written with four digits, so "0302" reads back as the year 302 it is.
std::string fourDigitYear(int y) {
    std::string text = std::to_string(y);
    return std::string(text.size() < 4 ? 4 - text.size() : 0, '0') + text;
}

bool validYear(int y) {
    return y >= 100 && y <= 9999;
}

std::optional<Date> makeDate(int y, int m, int d) {
    if (!validYear(y) || m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    const Date date{year(y), month(static_cast<unsigned>(m)), day(static_cast<unsigned>(d))};
    if (!date.ok()) return std::nullopt;
    return date;
}

} // namespace

ShortDateForm shortDateFormFromPattern(std::string_view pattern) {
    ShortDateForm form;
    const auto d = pattern.find('d'), m = pattern.find('M'), y = pattern.find('y');
    // A pattern with a month name ("d MMM yyyy") has no numeric form: keep yyyy-mm-dd.
    if (d == std::string_view::npos || m == std::string_view::npos || y == std::string_view::npos ||
        pattern.find("MMM") != std::string_view::npos)
        return form;
    if (y < m && m < d)
        form.order = ShortDateForm::Order::YearMonthDay;
    else if (m < d)
        form.order = ShortDateForm::Order::MonthDayYear;
    else
        form.order = ShortDateForm::Order::DayMonthYear;
    form.padDay = pattern.find("dd") != std::string_view::npos;
    form.padMonth = pattern.find("MM") != std::string_view::npos;
    for (char c : pattern) {
        if (c != 'd' && c != 'M' && c != 'y') {
            form.separator = c;
            break;
        }
    }
    return form;
}

std::string shortDateText(Date date, const ShortDateForm& form) {
    const std::string y = fourDigitYear(static_cast<int>(date.year()));
    const std::string m = padded(static_cast<unsigned>(date.month()), form.padMonth);
    const std::string d = padded(static_cast<unsigned>(date.day()), form.padDay);
    const char s = form.separator;
    switch (form.order) {
    case ShortDateForm::Order::DayMonthYear:
        return d + s + m + s + y;
    case ShortDateForm::Order::MonthDayYear:
        return m + s + d + s + y;
    case ShortDateForm::Order::YearMonthDay:
        break;
    }
    return y + s + m + s + d;
}

std::optional<Date> parseDate(std::string_view text, const ShortDateForm& form) {
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '/' || text[i] == '-' || text[i] == '.'))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i > start)
            parts.push_back(text.substr(start, i - start));
        else if (i < text.size())
            return std::nullopt; // a character that has no place in a date
    }
    if (parts.size() != 3) return std::nullopt;
    std::array<int, 3> n{};
    for (int k = 0; k < 3; ++k) {
        if (parts[k].size() > 4) return std::nullopt;
        std::from_chars(parts[k].data(), parts[k].data() + parts[k].size(), n[k]);
    }
    int y, m, d;
    std::size_t yearLength;
    if (parts[0].size() == 4 || form.order == ShortDateForm::Order::YearMonthDay) {
        y = n[0], m = n[1], d = n[2], yearLength = parts[0].size();
    } else if (form.order == ShortDateForm::Order::MonthDayYear) {
        m = n[0], d = n[1], y = n[2], yearLength = parts[2].size();
    } else {
        d = n[0], m = n[1], y = n[2], yearLength = parts[2].size();
    }
    if (yearLength <= 2) y += y < 30 ? 2000 : 1900;
    return makeDate(y, m, d);
}

std::optional<Date> parseFileDate(std::string_view text, const ShortDateForm& writerForm) {
    if (const auto date = parseDate(text, writerForm)) return date;
    std::optional<Date> found;
    for (const auto order : {ShortDateForm::Order::DayMonthYear, ShortDateForm::Order::MonthDayYear,
                             ShortDateForm::Order::YearMonthDay}) {
        ShortDateForm other;
        other.order = order;
        const auto date = parseDate(text, other);
        if (!date) continue;
        if (found && *found != *date) return std::nullopt; // two dates fit: no guessing
        found = date;
    }
    return found;
}

std::string FormatDate(Date date, std::string_view mask) {
    const unsigned d = static_cast<unsigned>(date.day()), m = static_cast<unsigned>(date.month());
    const int y = static_cast<int>(date.year());
    std::string out;
    std::size_t i = 0;
    while (i < mask.size()) {
        const char c = mask[i];
        const char lower = static_cast<char>(c | 0x20);
        std::size_t run = 1;
        while (i + run < mask.size() && (mask[i + run] | 0x20) == lower)
            ++run;
        if (lower == 'd' && run <= 2) {
            out += padded(d, run == 2);
        } else if (lower == 'm' && run <= 2) {
            out += padded(m, run == 2);
        } else if (lower == 'm') {
            const std::string name = kMonthNames[m - 1];
            out += run == 3 ? name.substr(0, 3) : name;
        } else if (lower == 'y' && run <= 2) {
            out += padded(static_cast<unsigned>(y % 100), true);
        } else if (lower == 'y') {
            out += fourDigitYear(y);
        } else {
            out.append(mask.substr(i, run));
        }
        i += run;
    }
    return out;
}

std::string isoDateText(Date date) {
    return FormatDate(date, "yyyy-mm-dd");
}

std::optional<Date> parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    int y = 0, m = 0, d = 0;
    auto number = [&](std::size_t at, std::size_t len, int& out) {
        const auto r = std::from_chars(text.data() + at, text.data() + at + len, out);
        return r.ec == std::errc() && r.ptr == text.data() + at + len;
    };
    if (!number(0, 4, y) || !number(5, 2, m) || !number(8, 2, d)) return std::nullopt;
    return makeDate(y, m, d);
}

Date addDays(Date date, int days) {
    return Date{sys_days(date) + std::chrono::days(days)};
}

Date addMonths(Date date, int months) {
    const year_month ym = year_month(date.year(), date.month()) + std::chrono::months(months);
    const day last = year_month_day_last(ym.year(), month_day_last(ym.month())).day();
    return Date{ym.year(), ym.month(), std::min(date.day(), last)};
}

Date addYears(Date date, int years) {
    return addMonths(date, years * 12);
}

Date today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{year(local.tm_year + 1900), month(static_cast<unsigned>(local.tm_mon + 1)),
                day(static_cast<unsigned>(local.tm_mday))};
}

} // namespace brisk
