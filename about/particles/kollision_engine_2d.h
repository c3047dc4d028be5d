#pragma once

#include <cstdint>

// Plane geometry for the particle system: angles in degrees counted
// counter-clockwise on the screen, whole-number lengths and coordinates with
// the y axis pointing down. Overflowing 32-bit arithmetic raises a
// tavrel::RuntimeError.
namespace tavrel::KollisionEngine2D {

double DegToRad(double degrees);

// Horizontal component of a vector of the given length, positive to the right.
std::int32_t AngleToX(double angle, std::int32_t length);

// Vertical component, positive downward: angle 90 points up.
std::int32_t AngleToY(double angle, std::int32_t length);

// Distance of two points, rounded to the nearest whole number.
std::int32_t Distance(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

} // namespace tavrel::KollisionEngine2D
