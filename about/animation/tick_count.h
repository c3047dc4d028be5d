#pragma once

#include <chrono>
#include <cstdint>

namespace tavrel::about {

// The clock that paces the About box: whole milliseconds of the monotonic
// clock, and a sleep until one of them. A test puts in a clock it controls.
class FrameClock {
public:
    using Millisecond = std::chrono::time_point<std::chrono::steady_clock, std::chrono::milliseconds>;

    virtual ~FrameClock() = default;
    virtual Millisecond now() = 0;
    virtual void sleepUntil(Millisecond wake) = 0;
};

// The monotonic clock and the thread's own sleep.
FrameClock& steadyClock();

// The millisecond counter that paces the About box: the clock's milliseconds
// in 32 bits, so it wraps every 49.7 days.
std::uint32_t GetTickCount(FrameClock& clock = steadyClock());

// Counter milliseconds from `earlier` to `later`, taken modulo 2^32 so that a
// wrap between the two readings changes nothing.
constexpr std::uint32_t ticksBetween(std::uint32_t earlier, std::uint32_t later)
{
    return later - earlier;
}

// Returns once the counter shows at least `milliseconds` since `start`. It
// sleeps until the counter is due to get there and checks again on waking, so
// no CPU is spent while waiting.
void waitSince(std::uint32_t start, std::uint32_t milliseconds, FrameClock& clock = steadyClock());

} // namespace tavrel::about
