#include "app/core/mask_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

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
    auto first = mask.find_first_of("#0");
    if (first == std::string_view::npos) return shape;
    // A point just before the first placeholder is the decimal point (".00"), not literal text.
    if (first > 0 && mask[first - 1] == '.') --first;
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

// The 15 significant digits of a positive value and the power of ten of the first, exactly as
// printf's "%.14e" gives them, by extended-precision arithmetic where that decides the rounding
// beyond doubt (the scaled value's error is below 1e-4, so only a fraction within 1e-3 of one half
// is left to the exact conversion). Money tables format thousands of figures: this is their path.
constexpr auto kPowersOfTen = [] {
    std::array<std::uint64_t, 19> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

bool fifteenDigitsQuickly(double magnitude, std::uint64_t& digits, int& exponent) {
    static_assert(std::numeric_limits<long double>::digits >= 64 || sizeof(long double) == sizeof(double));
    if (std::numeric_limits<long double>::digits < 64 || !(magnitude >= 1e-4 && magnitude < 1e18))
        return false;

    // The power of ten from the power of two, within one either way; the loop below settles it.
    int e = static_cast<int>(std::floor(std::ilogb(magnitude) * 0.30102999566398120));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 14 - e;
        if (k < -18 || k > 18) return false;
        // Powers of ten up to 10^18 are exact in the 64-bit mantissa.
        const long double power = static_cast<long double>(kPowersOfTen[k >= 0 ? k : -k]);
        const long double scaled = k >= 0 ? magnitude * power : magnitude / power;
        if (scaled >= 1e15L) {
            ++e;
        } else if (scaled < 1e14L) {
            --e;
        } else {
            const long double whole = std::floor(scaled);
            const long double fraction = scaled - whole;
            if (std::fabs(fraction - 0.5L) < 1e-3L) return false;
            digits = static_cast<std::uint64_t>(whole) + (fraction > 0.5L ? 1 : 0);
            exponent = e;
            if (digits == 1000000000000000ULL) {
                digits /= 10;
                ++exponent;
            }
            return true;
        }
    }
    return false;
}

// |value| rounded half away from zero to `decimals` places, via its 15 significant digits, as
// decimal digits with the point after the first `pointAt`; no leading zeros before the point.
struct Digits {
    std::array<char, 420> d; // a double has at most 309 integer digits; masks ask for a few decimals
    int size = 0, pointAt = 0;
    std::string_view integer() const { return {d.data(), static_cast<std::size_t>(pointAt)}; }
    std::string_view fraction() const {
        return {d.data() + pointAt, static_cast<std::size_t>(size - pointAt)};
    }
};

void decimalDigits(double magnitude, int decimals, Digits& out) {
    char significant[40];
    int count = 0, exponent = 0;
    std::uint64_t quick = 0;
    if (fifteenDigitsQuickly(magnitude, quick, exponent)) {
        // Where the places asked for lie within the 15 digits, the rounding is integer arithmetic.
        const int keep = exponent + 1 + decimals; // the digits of |value| x 10^decimals
        if (decimals <= 15 && keep <= 15) {
            std::uint64_t scaled = 0;
            if (keep >= 0) {
                const std::uint64_t unit = kPowersOfTen[15 - keep];
                scaled = quick / unit + (unit > 1 && quick % unit >= unit / 2 ? 1 : 0);
            }
            char text[24];
            int length = static_cast<int>(std::to_chars(text, text + sizeof text, scaled).ptr - text);
            const int integerDigits = std::max(0, length - decimals);
            const bool zeroInteger = scaled == 0 || length <= decimals;
            char* d = out.d.data();
            if (!zeroInteger) std::memcpy(d, text, static_cast<std::size_t>(integerDigits));
            out.pointAt = zeroInteger ? 0 : integerDigits;
            const int pad = decimals - std::min(length, decimals);
            std::memset(d + out.pointAt, '0', static_cast<std::size_t>(pad));
            if (scaled != 0)
                std::memcpy(d + out.pointAt + pad, text + length - std::min(length, decimals),
                            static_cast<std::size_t>(std::min(length, decimals)));
            else
                std::memset(d + out.pointAt, '0', static_cast<std::size_t>(decimals));
            out.size = out.pointAt + decimals;
            return;
        }
        count = static_cast<int>(std::to_chars(significant, significant + sizeof significant, quick).ptr -
                                 significant);
    } else {
        char buffer[40];
        const auto written =
            std::to_chars(buffer, buffer + sizeof buffer - 1, magnitude, std::chars_format::scientific, 14);
        *written.ptr = '\0';
        const char* p = buffer;
        for (; *p && *p != 'e'; ++p)
            if (*p >= '0' && *p <= '9') significant[count++] = *p;
        exponent = std::atoi(p + 1);
    }
    decimals = std::min(decimals, 60);
    int pointAt = magnitude == 0 ? 1 : exponent + 1; // digits before the decimal point
    int leading = 0;
    if (pointAt < 0) { // value below 0.1: leading zeros after the point
        leading = -pointAt;
        pointAt = 0;
    }
    // Room for a carry into a new first digit.
    char* digits = out.d.data() + 1;
    const int keep = std::min(pointAt + decimals, static_cast<int>(out.d.size()) - 2);
    for (int i = 0; i < keep; ++i) {
        const int from = i - leading;
        digits[i] = from >= 0 && from < count ? significant[from] : '0';
    }
    const int next = keep - leading;
    const bool roundUp = next >= 0 && next < count && significant[next] >= '5';
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0 && digits[i] == '9'; --i)
            digits[i] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            *--digits = '1';
            ++pointAt;
        }
    }
    const int total = keep + (digits == out.d.data() ? 1 : 0);
    int skip = 0;
    while (skip < pointAt && digits[skip] == '0')
        ++skip;
    std::memmove(out.d.data(), digits + skip, static_cast<std::size_t>(total - skip));
    out.size = total - skip;
    out.pointAt = pointAt - skip;
}

} // namespace

void FormatTo(std::string& text, double value, std::string_view mask) {
    // A table formats column after column with one mask: its shape is kept for the next call.
    thread_local std::string lastMask;
    thread_local MaskShape lastShape;
    if (mask != lastMask || lastMask.empty()) {
        lastShape = parseMask(mask);
        lastMask = mask;
    }
    const MaskShape& shape = lastShape;
    if (!shape.hasPlaceholder) {
        text += mask;
        return;
    }
    if (shape.percent) value *= 100;
    if (!std::isfinite(value)) return; // a percentage may overflow only now

    Digits digits;
    decimalDigits(std::fabs(value), shape.maxDecimals, digits);
    std::string_view integer = digits.integer(), fraction = digits.fraction();
    while (static_cast<int>(fraction.size()) > shape.minDecimals && fraction.back() == '0')
        fraction.remove_suffix(1);
    const int padding = std::max(0, shape.minIntegerDigits - static_cast<int>(integer.size()));

    // A value that rounds to nothing shown carries no sign.
    const bool allZero = integer.find_first_not_of('0') == std::string_view::npos &&
                         fraction.find_first_not_of('0') == std::string_view::npos;
    text.reserve(text.size() + shape.prefix.size() + integer.size() * 4 / 3 + padding + fraction.size() +
                 shape.suffix.size() + 2);
    if (value < 0 && !allZero) text += '-';
    text += shape.prefix;
    if (!shape.grouping) {
        text.append(static_cast<std::size_t>(padding), '0');
        text += integer;
    } else {
        const int n = static_cast<int>(integer.size()) + padding;
        for (int i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0) text += ',';
            text += i < padding ? '0' : integer[i - padding];
        }
    }
    if (shape.hasPoint) {
        text += '.';
        text += fraction;
    }
    text += shape.suffix;
}

std::string Format(double value, std::string_view mask) {
    std::string text;
    FormatTo(text, value, mask);
    return text;
}

} // namespace brisk
