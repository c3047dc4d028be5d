#pragma once

#include "checked/runtime_error.h"

#include <cmath>
#include <concepts>
#include <limits>

namespace tavrel {

// Whole-number arithmetic checked against the variable's width. The try forms
// tell whether the result fits and store it only then; the others raise a
// RuntimeError instead of overflowing.

template <std::integral T>
[[nodiscard]] bool tryAdd(T a, T b, T& result)
{
    T sum;
    if (__builtin_add_overflow(a, b, &sum))
        return false;
    result = sum;
    return true;
}

// Rounds to the nearest whole number, ties to even; a value outside T's range
// (or not a number) does not fit.
template <std::integral T>
[[nodiscard]] bool tryRoundToInt(double value, T& result)
{
    const double rounded = std::nearbyint(value); // default rounding mode: ties to even
    if (!(rounded >= static_cast<double>(std::numeric_limits<T>::min())
          && rounded <= static_cast<double>(std::numeric_limits<T>::max())))
        return false;
    result = static_cast<T>(rounded);
    return true;
}

template <std::integral T>
T checkedAdd(T a, T b)
{
    T result;
    if (!tryAdd(a, b, result))
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

template <std::integral T>
T roundToInt(double value)
{
    T result;
    if (!tryRoundToInt(value, result))
        throw RuntimeError("overflow");
    return result;
}

} // namespace tavrel
