#include "animation/tick_count.h"

#include <thread>

namespace tavrel::about {

namespace {

class SteadyClock : public FrameClock {
public:
    Millisecond now() override { return std::chrono::floor<std::chrono::milliseconds>(std::chrono::steady_clock::now()); }
    void sleepUntil(Millisecond wake) override { std::this_thread::sleep_until(wake); }
};

std::uint32_t counterAt(FrameClock::Millisecond at)
{
    return static_cast<std::uint32_t>(at.time_since_epoch().count());
}

} // namespace

FrameClock& steadyClock()
{
    static SteadyClock clock;
    return clock;
}

std::uint32_t GetTickCount(FrameClock& clock)
{
    return counterAt(clock.now());
}

void waitSince(std::uint32_t start, std::uint32_t milliseconds, FrameClock& clock)
{
    while (true) {
        const FrameClock::Millisecond now = clock.now();
        const std::uint32_t elapsed = ticksBetween(start, counterAt(now));
        if (elapsed >= milliseconds)
            return;
        // The counter reaches the deadline at the start of that millisecond.
        clock.sleepUntil(now + std::chrono::milliseconds(milliseconds - elapsed));
    }
}

} // namespace tavrel::about
