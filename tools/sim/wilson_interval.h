#pragma once

#include <cstdint>

namespace tavrel::sim {

struct ShareInterval {
    double low;
    double high;
};

// The 95 % Wilson score interval of a share of successes out of trials: unlike
// the plain normal interval it stays inside 0 to 1 and is not empty at 0 or at
// all successes, which is where risks of ruin mostly lie.
ShareInterval wilsonInterval(std::uint64_t successes, std::uint64_t trials);

} // namespace tavrel::sim
