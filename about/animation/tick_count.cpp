#include "animation/tick_count.h"

#include <chrono>
#include <thread>

namespace tavrel::about {

namespace {

using Clock = std::chrono::steady_clock;
using Millisecond = std::chrono::time_point<Clock, std::chrono::milliseconds>;

Millisecond currentMillisecond()
{
    return std::chrono::floor<std::chrono::milliseconds>(Clock::now());
}

std::uint32_t counterAt(Millisecond at)
{
    return static_cast<std::uint32_t>(at.time_since_epoch().count());
}

} // namespace

std::uint32_t GetTickCount()
{
    return counterAt(currentMillisecond());
}

void waitSince(std::uint32_t start, std::uint32_t milliseconds)
{
    while (true) {
        const Millisecond now = currentMillisecond();
        const std::uint32_t elapsed = ticksBetween(start, counterAt(now));
        if (elapsed >= milliseconds)
            return;
        // The counter reaches the deadline at the start of that millisecond.
        std::this_thread::sleep_until(now + std::chrono::milliseconds(milliseconds - elapsed));
    }
}

} // namespace tavrel::about
