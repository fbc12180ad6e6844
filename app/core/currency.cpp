#include "app/core/currency.h"

#include "app/core/calc_failure.h"

#include <cmath>
#include <limits>

namespace brisk {

std::optional<Currency> Currency::fromDouble(double value) {
    const double scaled = std::nearbyint(value * Scale); // default rounding mode: half to even
    // 2^63 is exactly representable; anything at or beyond it (or NaN) does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (!(scaled > -limit && scaled < limit)) return std::nullopt;
    return Currency(static_cast<std::int64_t>(scaled));
}

Currency Currency::fromDoubleOrFail(double value) {
    if (auto c = fromDouble(value)) return *c;
    throw CalcFailure();
}

std::string Currency::toPlainString() const {
    const bool negative = m_raw < 0;
    // Work in unsigned so the most negative value has a magnitude too.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(m_raw) : m_raw;
    std::string text = std::to_string(magnitude / Scale);
    std::uint64_t fraction = magnitude % Scale;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction + Scale).substr(1);
        while (digits.back() == '0')
            digits.pop_back();
        text += '.' + digits;
    }
    return negative ? '-' + text : text;
}

Currency Currency::operator+(Currency other) const {
    std::int64_t sum;
    if (__builtin_add_overflow(m_raw, other.m_raw, &sum)) throw CalcFailure();
    return Currency(sum);
}

Currency Currency::operator-(Currency other) const {
    std::int64_t difference;
    if (__builtin_sub_overflow(m_raw, other.m_raw, &difference)) throw CalcFailure();
    return Currency(difference);
}

Currency Currency::operator*(Currency other) const {
    const __int128 product = static_cast<__int128>(m_raw) * other.m_raw;
    __int128 quotient = product / Scale;
    const __int128 remainder = product % Scale;
    const __int128 twice = remainder < 0 ? -2 * remainder : 2 * remainder;
    if (twice > Scale || (twice == Scale && quotient % 2 != 0)) quotient += product < 0 ? -1 : 1;
    if (quotient > std::numeric_limits<std::int64_t>::max() ||
        quotient < std::numeric_limits<std::int64_t>::min())
        throw CalcFailure();
    return Currency(static_cast<std::int64_t>(quotient));
}

} // namespace brisk
