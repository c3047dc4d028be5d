#pragma once

#include <concepts>
#include <string>

namespace tavrel {

// Plain decimal text, so that the stake table reads the same for any size of
// number: std::to_string for whole types; singles never switch to an exponent.
template <std::integral T>
std::string decimalText(T value)
{
    return std::to_string(value);
}

std::string decimalText(float value);

// The blank keeps a positive number in line with a negative one's minus.
template <class T>
std::string blankThen(T value)
{
    return " " + decimalText(value);
}

} // namespace tavrel
