#include "app/core/mask_format.h"

#include <cmath>
#include <cstdio>

namespace brisk {

namespace {

bool isPlaceholder(char c) {
    return c == '#' || c == '0';
}

struct MaskShape {
    std::string prefix, suffix; // literal text before the first and after the last placeholder
    int minIntegerDigits = 0;   // "0" placeholders before the point
    int minDecimals = 0;        // "0" placeholders after the point
    int maxDecimals = 0;        // all placeholders after the point
    bool hasPoint = false, grouping = false, percent = false, hasPlaceholder = false;
};

MaskShape parseMask(std::string_view mask) {
    MaskShape shape;
    const auto first = mask.find_first_of("#0");
    if (first == std::string_view::npos) return shape;
    shape.hasPlaceholder = true;
    const auto last = mask.find_last_of("#0.");
    shape.prefix = std::string(mask.substr(0, first));
    shape.suffix = std::string(mask.substr(last + 1));
    shape.percent = mask.find('%') != std::string_view::npos;
    bool afterPoint = false;
    for (std::size_t i = first; i <= last; ++i) {
        const char c = mask[i];
        if (c == '.') {
            if (!afterPoint) shape.hasPoint = afterPoint = true;
        } else if (c == ',' && !afterPoint) {
            // Grouping only when a digit placeholder stands on both sides of the comma run.
            const auto next = mask.find_first_not_of(',', i);
            if (i > first && next != std::string_view::npos && next <= last && isPlaceholder(mask[next]))
                shape.grouping = true;
        } else if (isPlaceholder(c)) {
            if (afterPoint) {
                ++shape.maxDecimals;
                if (c == '0') shape.minDecimals = shape.maxDecimals;
            } else if (c == '0') {
                ++shape.minIntegerDigits;
            }
        }
    }
    return shape;
}

// Decimal digits of |value| rounded half away from zero to `decimals` places, via its 15
// significant digits: integer digits and fraction digits.
void decimalDigits(double magnitude, int decimals, std::string& integer, std::string& fraction) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    std::string digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    const int exponent = std::atoi(p + 1);
    int pointAt = exponent + 1; // digits before the decimal point
    if (magnitude == 0) pointAt = 1;
    if (pointAt < 0) { // value below 0.1: put leading zeros after the point
        digits.insert(0, static_cast<std::size_t>(-pointAt), '0');
        pointAt = 0;
    }
    if (static_cast<int>(digits.size()) < pointAt + decimals)
        digits.append(pointAt + decimals - digits.size(), '0');
    const std::size_t keep = static_cast<std::size_t>(pointAt + decimals);
    const bool roundUp = keep < digits.size() && digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        int i = static_cast<int>(keep) - 1;
        for (; i >= 0 && digits[i] == '9'; --i)
            digits[i] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            ++pointAt;
        }
    }
    integer = digits.substr(0, pointAt);
    fraction = digits.substr(pointAt);
    const auto nonZero = integer.find_first_not_of('0');
    integer = nonZero == std::string::npos ? "" : integer.substr(nonZero);
}

std::string groupThousands(const std::string& digits) {
    std::string out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

} // namespace

std::string Format(double value, std::string_view mask) {
    const MaskShape shape = parseMask(mask);
    if (!shape.hasPlaceholder) return std::string(mask);
    if (!std::isfinite(value)) return std::string();
    if (shape.percent) value *= 100;

    std::string integer, fraction;
    decimalDigits(std::fabs(value), shape.maxDecimals, integer, fraction);
    while (static_cast<int>(fraction.size()) > shape.minDecimals && fraction.back() == '0')
        fraction.pop_back();
    if (static_cast<int>(integer.size()) < shape.minIntegerDigits)
        integer.insert(0, shape.minIntegerDigits - integer.size(), '0');
    if (shape.grouping) integer = groupThousands(integer);

    // A value that rounds to nothing shown carries no sign.
    const bool allZero = integer.find_first_not_of("0,") == std::string::npos &&
                         fraction.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !allZero) ? "-" : "";
    text += shape.prefix + integer;
    if (shape.hasPoint) text += '.' + fraction;
    return text + shape.suffix;
}

} // namespace brisk
