// One field of a price file: a date in any of the forms exports write, a price in whole cents.
// The file as a whole decides what a field alone cannot (the order of 04/05/2026, the decimal mark).
#pragma once

#include "app/core/dates.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisk::prices {

inline bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
inline char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
std::string_view trimmed(std::string_view text);

// A date as one field holds it. Year first and month names say their own order; two numbers before
// the year may be day and month or month and day, and the file as a whole decides.
struct DateReading {
    std::optional<Date> certain;              // year first, or a month name
    std::optional<Date> dayFirst, monthFirst; // numbers alone: read each way
    bool numeric = false;
    char separator = '/';
    std::string form; // the field's shape when certain: "YYYY-MM-DD", "Mon DD, YYYY"
    bool readable() const { return certain || dayFirst || monthFirst; }
};
DateReading readDate(std::string_view text);
// The date in the order the file's dates were found to be in (certain dates in their own).
std::optional<Date> dateIn(const DateReading& reading, ShortDateForm::Order order);
// "DD/MM/YYYY" and the like, for the order and separator found.
std::string orderForm(ShortDateForm::Order order, char separator);

// A price as exports write it: "1234.5", "1,234.50", "$105.61", "1.234,50 €", "1'234.50", in
// whole cents rounded half to even from the text itself. `decimalComma` is the file's decimal mark.
std::optional<std::int64_t> readCents(std::string_view text, bool decimalComma);
// The decimal mark of a column, from its values themselves.
bool decimalCommaIn(const std::vector<std::vector<std::string>>& rows, std::size_t column, char separator);

} // namespace brisk::prices
