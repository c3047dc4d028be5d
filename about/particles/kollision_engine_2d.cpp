#include "particles/kollision_engine_2d.h"

#include "checked/checked_math.h"

#include <cmath>

namespace tavrel::KollisionEngine2D {

namespace {

std::int32_t checkedAbs(std::int32_t value)
{
    return value < 0 ? checkedSub<std::int32_t>(0, value) : value;
}

} // namespace

double DegToRad(double degrees)
{
    // Deliberately this 15-digit factor rather than pi / 180: it is one unit in
    // the last place larger, and every particle direction depends on it.
    return degrees * 0.0174532925199433;
}

std::int32_t AngleToX(double angle, std::int32_t length)
{
    return roundToInt<std::int32_t>(std::cos(DegToRad(angle)) * length);
}

std::int32_t AngleToY(double angle, std::int32_t length)
{
    // The length is negated as a whole number so that upward angles come out
    // negative on the screen's downward axis.
    const std::int32_t negated = checkedSub<std::int32_t>(0, length);
    return roundToInt<std::int32_t>(std::sin(DegToRad(angle)) * negated);
}

std::int32_t Distance(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    const std::int32_t dx = checkedAbs(checkedSub(x1, x2));
    const std::int32_t dy = checkedAbs(checkedSub(y1, y2));
    if (dx == 0)
        return dy;
    if (dy == 0)
        return dx;
    const std::int32_t squares = checkedAdd(checkedMul(dx, dx), checkedMul(dy, dy));
    return roundToInt<std::int32_t>(std::sqrt(static_cast<double>(squares)));
}

} // namespace tavrel::KollisionEngine2D
