#include "app/core/whole_number.h"

#include "app/core/calc_failure.h"

#include <cmath>
#include <limits>

namespace brisk {

namespace {

template <typename Int> std::optional<Int> roundToInt(double value) {
    const double rounded = std::nearbyint(value); // half to even
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

template <typename Int> Int orFail(std::optional<Int> value) {
    if (!value) throw CalcFailure();
    return *value;
}

} // namespace

std::optional<std::int16_t> toInt16(double value) {
    return roundToInt<std::int16_t>(value);
}
std::optional<std::int32_t> toInt32(double value) {
    return roundToInt<std::int32_t>(value);
}
std::int16_t toInt16OrFail(double value) {
    return orFail(toInt16(value));
}
std::int32_t toInt32OrFail(double value) {
    return orFail(toInt32(value));
}

} // namespace brisk
