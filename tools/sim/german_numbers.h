#pragma once

#include <cstdint>
#include <string>

namespace tavrel::sim {

// Numbers as a German reader writes them: thousands grouped by points
// ("-1.234.567"), a decimal comma ("2,70 %").
std::string grouped(std::int64_t value);
std::string grouped(std::uint64_t value);
// share 0.027 → "2,70 %", with the given number of decimals.
std::string percent(double share, int decimals = 2);

} // namespace tavrel::sim
