#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace tavrel::sim {

// Recorded spins: whole numbers 0 to 36 separated by commas, blanks or line
// breaks. Throws a UsageError naming the file, line and column of the first bad
// entry, or saying that the file holds no spin.
std::vector<std::int16_t> readSpins(std::istream& in, const std::string& name);

// The file at path, or standard input for "-".
std::vector<std::int16_t> readSpinFile(const std::string& path);

} // namespace tavrel::sim
