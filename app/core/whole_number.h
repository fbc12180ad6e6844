// Conversion of a number to a 16- or 32-bit whole number, rounding half to even, range checked.
#pragma once

#include <cstdint>
#include <optional>

namespace brisk {

std::optional<std::int16_t> toInt16(double value);
std::optional<std::int32_t> toInt32(double value);
// The same, throwing CalcFailure (message 3) when the value does not fit.
std::int16_t toInt16OrFail(double value);
std::int32_t toInt32OrFail(double value);

} // namespace brisk
