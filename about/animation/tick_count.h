#pragma once

#include <cstdint>

namespace tavrel::about {

// The millisecond counter that paces the About box: milliseconds of the
// monotonic clock, wrapping at 2^32 like the platform's tick count.
std::uint32_t GetTickCount();

// Counter milliseconds from `earlier` to `later`, taken modulo 2^32 so that a
// wrap between the two readings changes nothing.
constexpr std::uint32_t ticksBetween(std::uint32_t earlier, std::uint32_t later)
{
    return later - earlier;
}

// Returns once the counter shows at least `milliseconds` since `start`. It
// sleeps until the counter is due to get there and checks again on waking, so
// no CPU is spent while waiting.
void waitSince(std::uint32_t start, std::uint32_t milliseconds);

} // namespace tavrel::about
