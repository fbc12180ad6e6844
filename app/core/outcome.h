// What a calculation gives back: its result, or the numbered message that says why there is none.
#pragma once

#include "app/core/calc_failure.h"

#include <optional>
#include <utility>

namespace brisk {

template <typename T> struct Outcome {
    std::optional<T> value;
    Msg message = Msg::None; // set when there is no value

    static Outcome failure(Msg message) { return Outcome{std::nullopt, message}; }
    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
    const T* operator->() const { return &*value; }
};

// Runs a calculation, turning a CalcFailure thrown inside it into its message.
template <typename F> auto trapCalc(F&& calculation) -> Outcome<decltype(calculation())> {
    try {
        return {calculation(), Msg::None};
    } catch (const CalcFailure& failure) {
        return {std::nullopt, failure.message()};
    }
}

} // namespace brisk
