#include "wilson_interval.h"

#include <algorithm>
#include <cmath>

namespace tavrel::sim {

ShareInterval wilsonInterval(std::uint64_t successes, std::uint64_t trials)
{
    if (trials == 0)
        return {0.0, 1.0};
    constexpr double z = 1.959963984540054; // two-sided 95 % of the normal distribution
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(successes) / n;
    const double denominator = 1.0 + z * z / n;
    const double centre = (p + z * z / (2.0 * n)) / denominator;
    const double halfWidth = z * std::sqrt(p * (1.0 - p) / n + z * z / (4.0 * n * n)) / denominator;
    return {std::max(0.0, centre - halfWidth), std::min(1.0, centre + halfWidth)};
}

} // namespace tavrel::sim
