#pragma once

#include "checked/runtime_error.h"

#include <cmath>
#include <concepts>
#include <limits>
#include <utility>

namespace tavrel {

// Whole-number arithmetic that raises a RuntimeError instead of overflowing the
// variable's width.
template <std::integral T>
T checkedAdd(T a, T b)
{
    T result;
    if (__builtin_add_overflow(a, b, &result))
        throw RuntimeError("overflow");
    return result;
}

template <std::integral T>
T checkedSub(T a, T b)
{
    T result;
    if (__builtin_sub_overflow(a, b, &result))
        throw RuntimeError("overflow");
    return result;
}

template <std::integral T>
T checkedMul(T a, T b)
{
    T result;
    if (__builtin_mul_overflow(a, b, &result))
        throw RuntimeError("overflow");
    return result;
}

// Narrows a whole number to T, raising a RuntimeError when it does not fit.
template <std::integral T, std::integral From>
T checkedNarrow(From value)
{
    if (!std::in_range<T>(value))
        throw RuntimeError("overflow");
    return static_cast<T>(value);
}

// Rounds to the nearest whole number, ties to even, and stores it as T; a value
// outside T's range (or not a number) is an overflow.
template <std::integral T>
T roundToInt(double value)
{
    const double rounded = std::nearbyint(value); // default rounding mode: ties to even
    if (!(rounded >= static_cast<double>(std::numeric_limits<T>::min())
          && rounded <= static_cast<double>(std::numeric_limits<T>::max())))
        throw RuntimeError("overflow");
    return static_cast<T>(rounded);
}

} // namespace tavrel
