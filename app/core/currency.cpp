#include "app/core/currency.h"

#include "app/core/calc_failure.h"

#include <cmath>
#include <limits>

namespace brisk {

template <class Kind> std::optional<Fixed<Kind>> Fixed<Kind>::fromDouble(double value) {
    const double scaled = std::nearbyint(value * Scale); // default rounding mode: half to even
    // 2^63 is exactly representable; anything at or beyond it (or NaN) does not fit.
    constexpr double limit = 9223372036854775808.0;
    if (!(scaled > -limit && scaled < limit)) return std::nullopt;
    return Fixed(static_cast<std::int64_t>(scaled));
}

template <class Kind> Fixed<Kind> Fixed<Kind>::fromDoubleOrFail(double value) {
    if (auto c = fromDouble(value)) return *c;
    throw CalcFailure();
}

template <class Kind> std::string Fixed<Kind>::toPlainString() const {
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

template <class Kind> Fixed<Kind> Fixed<Kind>::operator+(Fixed other) const {
    std::int64_t sum;
    if (__builtin_add_overflow(m_raw, other.m_raw, &sum)) throw CalcFailure();
    return Fixed(sum);
}

template <class Kind> Fixed<Kind> Fixed<Kind>::operator-(Fixed other) const {
    std::int64_t difference;
    if (__builtin_sub_overflow(m_raw, other.m_raw, &difference)) throw CalcFailure();
    return Fixed(difference);
}

template <class Kind> Fixed<Kind> Fixed<Kind>::operator*(Fixed other) const {
    const __int128 product = static_cast<__int128>(m_raw) * other.m_raw;
    __int128 quotient = product / Scale;
    const __int128 remainder = product % Scale;
    const __int128 twice = remainder < 0 ? -2 * remainder : 2 * remainder;
    if (twice > Scale || (twice == Scale && quotient % 2 != 0)) quotient += product < 0 ? -1 : 1;
    if (quotient > std::numeric_limits<std::int64_t>::max() ||
        quotient < std::numeric_limits<std::int64_t>::min())
        throw CalcFailure();
    return Fixed(static_cast<std::int64_t>(quotient));
}

template class Fixed<MoneyKind>;
template class Fixed<PercentKind>;
template class Fixed<YearsKind>;

} // namespace brisk
