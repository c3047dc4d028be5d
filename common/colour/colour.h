#pragma once

#include <cstdint>

namespace tavrel {

// Colours are kept as 24-bit 0x00BBGGRR integers, red in the low byte, so that
// the rules and the particles need no graphics library; a window converts them
// where it draws (qt_colour.h).
using Colour = std::uint32_t;

inline constexpr Colour FeltGreen = 0x00C000;
inline constexpr Colour Yellow = 0x00FFFF;
inline constexpr Colour BrightGreen = 0x00FF00;
inline constexpr Colour Red = 0x0000FF;
inline constexpr Colour Black = 0x000000;
inline constexpr Colour Blue = 0xFF0000;
inline constexpr Colour White = 0xFFFFFF;

constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

} // namespace tavrel
