#include "german/german_numbers.h"

#include <charconv>
#include <cmath>

namespace tavrel::german {

namespace {

// Points between the groups of three digits of a run of digits.
std::string groupDigits(std::string digits)
{
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, '.');
    return digits;
}

} // namespace

std::string grouped(std::uint64_t value)
{
    return groupDigits(std::to_string(value));
}

std::string grouped(std::int64_t value)
{
    // Through the unsigned magnitude, which also holds the smallest int64.
    const auto magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    return (value < 0 ? "-" : "") + grouped(magnitude);
}

std::string decimal(double value, int decimals)
{
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0.0;
    // to_chars, unlike printf, ignores the locale that Qt may have set.
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::fixed, decimals).ptr;
    const std::string text(buffer, end);
    const auto point = text.find('.');
    std::string result = (value < 0 ? "-" : "") + groupDigits(text.substr(0, point));
    if (point != std::string::npos)
        result += ',' + text.substr(point + 1);
    return result;
}

std::string percent(double share, int decimals)
{
    return decimal(share * 100.0, decimals) + " %";
}

std::optional<double> readDecimal(std::string_view text)
{
    std::string plain(text);
    int signs = 0, digits = 0;
    for (char& c : plain) {
        if (c == ',')
            c = '.';
        if (c == '.')
            ++signs;
        else if (c >= '0' && c <= '9')
            ++digits;
        else
            return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (signs > 1 || digits == 0 || error != std::errc{} || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::string withoutGrouping(std::string_view text)
{
    const std::size_t sign = text.starts_with('-') ? 1 : 0;
    const std::string_view number = text.substr(sign);
    const std::size_t point = number.find('.');
    if (point == std::string_view::npos || point == 0 || point > 3 || (number.size() - point) % 4 != 0)
        return std::string(text);
    std::string digits(text.substr(0, sign));
    for (std::size_t at = 0; at < number.size(); ++at) {
        const bool groupPoint = at >= point && (at - point) % 4 == 0;
        if (groupPoint != (number[at] == '.'))
            return std::string(text);
        if (!groupPoint)
            digits += number[at];
    }
    return digits;
}

} // namespace tavrel::german
