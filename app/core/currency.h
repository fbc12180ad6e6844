// Fixed-point money: a 64-bit integer in ten-thousandths, rounding half to even on every conversion.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace brisk {

class Currency {
  public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t raw) { return Currency(raw); }
    static constexpr Currency fromWhole(std::int64_t units) { return Currency(units * Scale); }
    // Rounds half to even to four decimals; nothing when the value is not finite or out of range.
    static std::optional<Currency> fromDouble(double value);
    // As fromDouble, but an out-of-range value throws CalcFailure (message 3).
    static Currency fromDoubleOrFail(double value);

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / Scale; }
    // Plain invariant decimal form with no trailing zeros ("1234.5", "-0.0001", "0").
    std::string toPlainString() const;

    // Sums and differences are exact; one that leaves the range throws CalcFailure.
    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const { return Currency(-m_raw); }
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }
    // The exact product rounded half to even to four decimals, as money times money is stored.
    Currency operator*(Currency other) const;

    constexpr auto operator<=>(const Currency&) const = default;

  private:
    constexpr explicit Currency(std::int64_t raw) : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

} // namespace brisk
