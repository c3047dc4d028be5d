#pragma once

#include <concepts>
#include <string>

namespace tavrel {

// Numbers become text in plain decimal: a leading minus for negatives, no
// separators, no exponent, and no decimal point for whole values.
template <std::integral T>
std::string decimalText(T value)
{
    return std::to_string(value);
}

std::string decimalText(float value);

// The numeric cells of the stake table begin with one blank.
template <class T>
std::string blankThen(T value)
{
    return " " + decimalText(value);
}

} // namespace tavrel
