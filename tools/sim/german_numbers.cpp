#include "german_numbers.h"

#include <cmath>
#include <charconv>

namespace tavrel::sim {

std::string grouped(std::uint64_t value)
{
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, '.');
    return digits;
}

std::string grouped(std::int64_t value)
{
    // Through the unsigned magnitude, which also holds the smallest int64.
    const auto magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    return (value < 0 ? "-" : "") + grouped(magnitude);
}

std::string percent(double share, int decimals)
{
    double value = share * 100.0;
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0.0; // never "-0,00 %"
    // to_chars, unlike printf, ignores the locale that Qt may have set.
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
    std::string text(buffer, end);
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = ',';
    return text + " %";
}

} // namespace tavrel::sim
