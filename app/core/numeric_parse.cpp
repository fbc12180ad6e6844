#include "app/core/numeric_parse.h"

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

double parseEntryText(std::string_view text, std::string_view currencySymbol) {
    std::string plain;
    std::string_view rest = text;
    while (!rest.empty() && isBlank(rest.front()))
        rest.remove_prefix(1);
    while (!rest.empty() && isBlank(rest.back()))
        rest.remove_suffix(1);
    bool negative = false;
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
    for (char c : rest)
        if (c != ',' && c != '%' && !isBlank(c)) plain += c;
    const double value = Val(plain);
    return negative ? -value : value;
}

} // namespace brisk
