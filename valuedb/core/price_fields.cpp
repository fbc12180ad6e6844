#include "valuedb/core/price_fields.h"

#include "valuedb/core/value_database.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace brisk::prices {

namespace {

using namespace std::chrono;
using DateOrder = ShortDateForm::Order;

// The largest price a record takes from a file, in cents; a price beyond it is a misread column.
constexpr std::int64_t kLargestCents = 10'000'000'000'000; // 100 billion

// Month names as exports write them, in English and German, full or cut to three letters or more.
std::optional<int> monthNamed(std::string_view word) {
    static constexpr std::array<std::array<std::string_view, 2>, 12> kNames{{
        {"january", "januar"},
        {"february", "februar"},
        {"march", "maerz"},
        {"april", "april"},
        {"may", "mai"},
        {"june", "juni"},
        {"july", "juli"},
        {"august", "august"},
        {"september", "september"},
        {"october", "oktober"},
        {"november", "november"},
        {"december", "dezember"},
    }};
    std::string key;
    for (char c : word)
        key += lower(c);
    if (key.size() < 3) return std::nullopt;
    for (int m = 0; m < 12; ++m)
        for (std::string_view name : kNames[m])
            if (name.starts_with(key)) return m + 1;
    if (key == "mrz" || key == "mär" || key == "märz") return 3; // German March, with its umlaut
    return std::nullopt;
}

std::optional<Date> makeDate(int y, int m, int d) {
    if (y < 1000 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
    const Date date{year(y), month(static_cast<unsigned>(m)), day(static_cast<unsigned>(d))};
    if (!date.ok() || date <= kDeletionMarker) return std::nullopt;
    return date;
}

bool isDateSeparator(char c) {
    return c == ' ' || c == '/' || c == '-' || c == '.' || c == ',';
}

} // namespace

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

DateReading readDate(std::string_view text) {
    text = trimmed(text);
    // A time after the date: "2024-01-05 16:00:00", "2024-01-05T16:00Z", "Dec 04, 2026 4:00 PM".
    if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        const auto cut = text.find_last_of(" T", colon);
        text = trimmed(text.substr(0, cut == std::string_view::npos ? 0 : cut));
    }
    // Three parts, numbers or a word, between separators.
    struct Part {
        std::size_t at;
        std::string_view text;
        bool word;
    };
    std::vector<Part> parts;
    for (std::size_t i = 0; i < text.size();) {
        if (isDateSeparator(text[i])) {
            ++i;
            continue;
        }
        const bool word = !isDigit(text[i]);
        const std::size_t start = i;
        while (i < text.size() && !isDateSeparator(text[i]) && isDigit(text[i]) != word)
            ++i;
        parts.push_back({start, text.substr(start, i - start), word});
    }
    DateReading reading;
    if (parts.size() != 3) return reading;
    for (const Part& part : parts)
        if (part.text.size() > (part.word ? 9 : 4)) return reading;
    const auto number = [](std::string_view digits) {
        int n = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), n);
        return n;
    };
    const auto fullYear = [&](std::string_view digits) {
        const int y = number(digits);
        if (digits.size() == 2) return y + (y < 30 ? 2000 : 1900);
        return digits.size() == 4 ? y : -1;
    };
    // The field with each part replaced by what it is: "Mon DD, YYYY".
    const auto shape = [&](std::array<const char*, 3> roles) {
        std::string out(text);
        for (int k = 2; k >= 0; --k)
            out.replace(parts[k].at, parts[k].text.size(), roles[k]);
        return out;
    };
    const int words = std::count_if(parts.begin(), parts.end(), [](const Part& p) { return p.word; });
    if (words == 1) {
        // The month's name; of the numbers, one of four digits first is the year, else the last is.
        const int m = parts[0].word ? 0 : parts[1].word ? 1 : 2;
        const auto month = monthNamed(parts[m].text);
        const int y = parts[0].text.size() == 4 ? 0 : 2, d = 3 - m - y;
        if (!month || y == m || parts[d].word || parts[d].text.size() > 2) return reading;
        reading.certain = makeDate(fullYear(parts[y].text), *month, number(parts[d].text));
        std::array<const char*, 3> roles{};
        roles[m] = "Mon", roles[y] = "YYYY", roles[d] = "DD";
        reading.form = shape(roles);
        return reading;
    }
    if (words != 0 || parts[1].text.size() > 2) return reading;
    if (parts[0].text.size() == 4) {
        if (parts[2].text.size() > 2) return reading;
        reading.certain = makeDate(number(parts[0].text), number(parts[1].text), number(parts[2].text));
        reading.form = shape({"YYYY", "MM", "DD"});
        return reading;
    }
    if (parts[0].text.size() > 2) return reading;
    const int first = number(parts[0].text), second = number(parts[1].text), y = fullYear(parts[2].text);
    reading.numeric = true;
    reading.separator = text[parts[0].at + parts[0].text.size()];
    reading.dayFirst = makeDate(y, second, first);
    reading.monthFirst = makeDate(y, first, second);
    return reading;
}

std::optional<Date> dateIn(const DateReading& reading, DateOrder order) {
    if (reading.certain) return reading.certain;
    if (!reading.numeric) return std::nullopt;
    switch (order) {
    case DateOrder::DayMonthYear:
        return reading.dayFirst;
    case DateOrder::MonthDayYear:
        return reading.monthFirst;
    case DateOrder::YearMonthDay:
        break;
    }
    return std::nullopt;
}

std::string orderForm(DateOrder order, char separator) {
    const std::string s(1, separator);
    switch (order) {
    case DateOrder::DayMonthYear:
        return "DD" + s + "MM" + s + "YYYY";
    case DateOrder::MonthDayYear:
        return "MM" + s + "DD" + s + "YYYY";
    case DateOrder::YearMonthDay:
        break;
    }
    return "YYYY" + s + "MM" + s + "DD";
}

// A price as exports write it: "1234.5", "1,234.50", "$105.61", "1.234,50 €", "1'234.50", in
// whole cents rounded half to even from the text itself. `decimalComma` is the file's decimal mark.
std::optional<std::int64_t> readCents(std::string_view text, bool decimalComma) {
    text = trimmed(text);
    std::string digits; // the whole number and its decimals, with the decimal point at `point`
    std::optional<std::size_t> point;
    bool seenDigit = false, ended = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (ended) return std::nullopt; // "12 34": two numbers
            digits += c;
            seenDigit = true;
        } else if (c == (decimalComma ? ',' : '.')) {
            if (point) return std::nullopt;
            if (!seenDigit) digits += '0', seenDigit = true; // ".5"
            point = digits.size();
        } else if (seenDigit && !ended && !point &&
                   (c == (decimalComma ? '.' : ',') || c == '\'' || c == ' ')) {
            continue; // grouping
        } else if (seenDigit && !ended && !point && (text.substr(i).starts_with("\xC2\xA0"))) {
            ++i; // a no-break space as grouping
        } else if (seenDigit && !ended && !point && (text.substr(i).starts_with("\xE2\x80\xAF"))) {
            i += 2; // a narrow one
        } else if (c == '-') {
            return std::nullopt; // no price is negative
        } else if (isDigit(c) || c == '.' || c == ',') {
            return std::nullopt;
        } else {
            // A currency's symbol or code before or after the number.
            if (seenDigit) ended = true;
        }
    }
    if (!seenDigit) return std::nullopt;
    const std::size_t wholeDigits = point.value_or(digits.size());
    const std::string_view whole(digits.data(), wholeDigits);
    const std::string_view fraction = std::string_view(digits).substr(wholeDigits);
    if (whole.size() > 12) return std::nullopt;
    std::int64_t cents = 0;
    for (char c : whole)
        cents = cents * 10 + (c - '0');
    for (std::size_t i = 0; i < 2; ++i)
        cents = cents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    // Half to even on the digits beyond the cent.
    if (fraction.size() > 2) {
        const std::string_view rest = fraction.substr(2);
        const bool aboveHalf =
            rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string_view::npos);
        const bool half = rest[0] == '5' && !aboveHalf;
        if (aboveHalf || (half && cents % 2 == 1)) ++cents;
    }
    if (cents <= 0 || cents > kLargestCents) return std::nullopt;
    return cents;
}

// The decimal mark from the values themselves: a mark followed by other than three digits, a mark
// after the other one, or one mark twice, tells. Without a sign either way a comma is decimal only
// in a file separated by semicolons or tabs.
bool decimalCommaIn(const std::vector<std::vector<std::string>>& rows, std::size_t column, char separator) {
    int commaSigns = 0, pointSigns = 0;
    bool anyComma = false;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (rows[r].size() <= column) continue;
        const std::string_view text = trimmed(rows[r][column]);
        const auto comma = text.rfind(','), point = text.rfind('.');
        const auto digitsAfter = [&](std::size_t at) {
            std::size_t n = 0;
            while (at + 1 + n < text.size() && isDigit(text[at + 1 + n]))
                ++n;
            return n;
        };
        anyComma |= comma != std::string_view::npos;
        if (comma != std::string_view::npos && point != std::string_view::npos) {
            ++(comma > point ? commaSigns : pointSigns);
        } else if (comma != std::string_view::npos) {
            if (text.find(',') != comma)
                ++pointSigns; // "1,234,567"
            else if (digitsAfter(comma) != 3)
                ++commaSigns;
        } else if (point != std::string_view::npos) {
            if (text.find('.') != point)
                ++commaSigns; // "1.234.567"
            else if (digitsAfter(point) != 3)
                ++pointSigns;
        }
    }
    if (commaSigns != pointSigns) return commaSigns > pointSigns;
    return anyComma && separator != ',';
}

} // namespace brisk::prices
