#include "tavrel/number_text.h"

#include <array>
#include <charconv>

namespace tavrel {

std::string decimalText(float value)
{
    if (value == 0.0f)
        return "0"; // never "-0"
    // Fixed notation keeps large whole values as plain digits, where a default
    // stream would switch to an exponent (" -1.0004e+06").
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

} // namespace tavrel
