#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tavrel {

struct ShareInterval {
    double low;
    double high;
};

// The two-sided 95 % quantile of the normal distribution.
inline constexpr double Z95 = 1.959963984540054;

// The Wilson score interval of a share of successes out of trials (at least
// one), 95 % unless a wider quantile z is given. Unlike the plain normal
// interval it is not empty at 0 or at all successes, which is where risks of
// ruin mostly lie. Within 0 to 1, and exactly 0 or 1 there.
inline ShareInterval wilsonInterval(std::uint64_t successes, std::uint64_t trials, double z = Z95)
{
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(successes) / n;
    const double denominator = 1.0 + z * z / n;
    const double centre = (p + z * z / (2.0 * n)) / denominator;
    const double halfWidth = z * std::sqrt(p * (1.0 - p) / n + z * z / (4.0 * n * n)) / denominator;
    // Rounding leaves a hair above 0 or below 1 at the ends.
    return {successes == 0 ? 0.0 : std::clamp(centre - halfWidth, 0.0, 1.0),
            successes == trials ? 1.0 : std::clamp(centre + halfWidth, 0.0, 1.0)};
}

} // namespace tavrel
