// Fixed-point figures: a 64-bit integer in ten-thousandths, rounding half to even on every
// conversion. Money, percentages and terms are kept this way (the files hold them so), each as its
// own type so that one is never passed where another is meant.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace brisk {

template <class Kind> class Fixed {
  public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Fixed() = default;
    static constexpr Fixed fromRaw(std::int64_t raw) { return Fixed(raw); }
    static constexpr Fixed fromWhole(std::int64_t units) { return Fixed(units * Scale); }
    // Rounds half to even to four decimals; nothing when the value is not finite or out of range.
    static std::optional<Fixed> fromDouble(double value);
    // As fromDouble, but an out-of-range value throws CalcFailure (message 3).
    static Fixed fromDoubleOrFail(double value);

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / Scale; }
    // Plain invariant decimal form with no trailing zeros ("1234.5", "-0.0001", "0").
    std::string toPlainString() const;

    // Sums and differences are exact; one that leaves the range throws CalcFailure.
    Fixed operator+(Fixed other) const;
    Fixed operator-(Fixed other) const;
    Fixed operator-() const { return Fixed(-m_raw); }
    Fixed& operator+=(Fixed other) { return *this = *this + other; }
    Fixed& operator-=(Fixed other) { return *this = *this - other; }
    // The exact product rounded half to even to four decimals, as money times money is stored.
    Fixed operator*(Fixed other) const;

    constexpr auto operator<=>(const Fixed&) const = default;

  private:
    constexpr explicit Fixed(std::int64_t raw) : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

struct MoneyKind;
struct PercentKind;
struct YearsKind;
using Currency = Fixed<MoneyKind>;  // money, to the ten-thousandth
using Percent = Fixed<PercentKind>; // a rate as typed: 10.125 is 10.125 percent
using Years = Fixed<YearsKind>;     // a term or a number of years; a loan's months / 12

// An input a box or an option stores into, of any of the three kinds.
using FigureSlot = std::variant<Currency*, Percent*, Years*>;
inline double valueIn(FigureSlot slot) {
    return std::visit([](auto* figure) { return figure->toDouble(); }, slot);
}
// Stores `value` into the input, rounded to its four decimals; 0 when it is out of range.
inline void storeIn(FigureSlot slot, double value) {
    std::visit(
        [value](auto* figure) {
            using Figure = std::decay_t<decltype(*figure)>;
            *figure = Figure::fromDouble(value).value_or(Figure());
        },
        slot);
}

extern template class Fixed<MoneyKind>;
extern template class Fixed<PercentKind>;
extern template class Fixed<YearsKind>;

} // namespace brisk
