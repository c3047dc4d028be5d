#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel::german {

// Numbers as a German reader writes them: thousands grouped by points
// ("-1.234.567") and a decimal comma ("2,70 %"), whatever locale the program
// runs in.
std::string grouped(std::int64_t value);
std::string grouped(std::uint64_t value);
// `decimals` places, rounded to the nearest; never "-0,00".
std::string decimal(double value, int decimals);
// share 0.027 → "2,70 %".
std::string percent(double share, int decimals = 2);

// A decimal number as a player types it, with a comma or a point as the
// decimal sign and no grouping: "0,5", "0.5", "2". Nothing for anything else,
// a sign or an exponent included.
std::optional<double> readDecimal(std::string_view text);

// A whole number as a German reader may type it, "1.000" as well as "1000":
// the digits without the points, where every point groups three digits. Any
// other text comes back as it is, for the caller's parser to refuse.
std::string withoutGrouping(std::string_view text);

} // namespace tavrel::german
