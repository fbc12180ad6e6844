#include "app/core/numeric_parse.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace brisk {

namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';

    std::string number;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    if (number.find_first_of("0123456789") == std::string::npos) return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
        const std::size_t digitsStart = j;
        while (j < text.size() && isDigit(text[j]))
            exponent += text[j++];
        if (j > digitsStart) number += exponent;
    }
    double value = 0;
    // from_chars reports a result too large as out of range and leaves value alone: call it infinite,
    // so the caller's range check refuses it.
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const auto e = number.find('e');
        const bool tiny = e != std::string::npos && number[e + 1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

namespace {

// The figure without its blanks and currency symbol; `negative` when a minus stood before the symbol.
std::string_view withoutSymbol(std::string_view text, std::string_view currencySymbol, bool& negative) {
    const auto trim = [](std::string_view t) {
        while (!t.empty() && isBlank(t.front()))
            t.remove_prefix(1);
        while (!t.empty() && isBlank(t.back()))
            t.remove_suffix(1);
        return t;
    };
    std::string_view rest = trim(text);
    negative = false;
    currencySymbol = trim(currencySymbol);
    if (!currencySymbol.empty()) {
        // "$-5.00" and "-$5.00" both mean minus five; a symbol behind the figure is dropped too.
        if (!rest.empty() && rest.front() == '-' && rest.substr(1).starts_with(currencySymbol)) {
            negative = true;
            rest.remove_prefix(1);
        }
        if (rest.starts_with(currencySymbol))
            rest.remove_prefix(currencySymbol.size());
        else if (rest.ends_with(currencySymbol))
            rest.remove_suffix(currencySymbol.size());
    }
    return trim(rest);
}

} // namespace

double parseEntryText(std::string_view text, std::string_view currencySymbol) {
    bool negative = false;
    std::string plain;
    for (char c : withoutSymbol(text, currencySymbol, negative))
        if (c != ',' && c != '%' && !isBlank(c)) plain += c;
    const double value = Val(plain);
    return negative ? -value : value;
}

std::optional<std::string> plainFigure(std::string_view text, std::string_view currencySymbol) {
    bool negative = false;
    std::string_view rest = withoutSymbol(text, currencySymbol, negative);
    if (rest.ends_with('%')) rest.remove_suffix(1);
    if (rest.starts_with('-')) {
        if (negative) return std::nullopt;
        negative = true;
        rest.remove_prefix(1);
    }
    const auto point = rest.find('.');
    const std::string_view whole = rest.substr(0, point);
    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view() : rest.substr(point + 1);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    // Grouping commas: one to three digits first, then groups of exactly three.
    std::string digits;
    for (std::size_t start = 0, groups = 0;; ++groups) {
        const auto comma = whole.find(',', start);
        const std::string_view group = whole.substr(start, comma - start);
        const bool onlyGroup = groups == 0 && comma == std::string_view::npos;
        if (!onlyGroup && (groups == 0 ? group.empty() || group.size() > 3 : group.size() != 3))
            return std::nullopt;
        digits += group;
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (!std::all_of(digits.begin(), digits.end(), isDigit)) return std::nullopt;
    if (!std::all_of(decimals.begin(), decimals.end(), isDigit)) return std::nullopt;
    if (digits.empty() && decimals.empty()) return std::nullopt;
    std::string out = negative ? "-" : "";
    out += digits.empty() ? "0" : digits;
    if (point != std::string_view::npos) out += "." + std::string(decimals);
    return out;
}

} // namespace brisk
