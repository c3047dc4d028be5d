#include "animation/tick_count.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <thread>

using namespace tavrel::about;

namespace {

double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double realMillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST(TickCount, DifferencesAreTakenModulo2To32)
{
    EXPECT_EQ(ticksBetween(100, 110), 10u);
    EXPECT_EQ(ticksBetween(0xFFFFFFFBu, 5), 10u);
    EXPECT_EQ(ticksBetween(0x7FFFFFFBu, 0x80000005u), 10u); // the sign of a signed reading changes
    EXPECT_EQ(ticksBetween(7, 7), 0u);
    EXPECT_EQ(ticksBetween(10, 5), 0xFFFFFFFBu);
}

TEST(TickCount, CountsMillisecondsOfRealTime)
{
    const std::uint32_t before = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const std::uint32_t elapsed = ticksBetween(before, GetTickCount());
    EXPECT_GE(elapsed, 29u);
    EXPECT_LT(elapsed, 1000u);
}

TEST(TickCount, WaitEndsOnceTheCounterHasMovedOnTenAndNoEarlier)
{
    for (int frame = 0; frame < 30; ++frame) {
        const auto real = std::chrono::steady_clock::now();
        const std::uint32_t t0 = GetTickCount();
        waitSince(t0, 10);
        const std::uint32_t elapsed = ticksBetween(t0, GetTickCount());
        EXPECT_GE(elapsed, 10u);
        EXPECT_LT(elapsed, 100u);
        // The counter's ticks are whole milliseconds; the reading at t0 may be one old.
        EXPECT_GT(realMillisecondsSince(real), 9.0);
    }
}

TEST(TickCount, WaitSleepsInsteadOfSpinning)
{
    const double cpuBefore = cpuMilliseconds();
    waitSince(GetTickCount(), 300);
    EXPECT_LT(cpuMilliseconds() - cpuBefore, 30.0);
}

TEST(TickCount, WaitNeverHangsOnAStartAheadOfTheCounter)
{
    // The counter seen as already past the deadline, the way it looks across a
    // wrap: no wait at all. The quickest of a few tries keeps a busy machine's
    // preemptions out of the measurement.
    double quickest = 1e9;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const auto real = std::chrono::steady_clock::now();
        waitSince(GetTickCount() + 5, 10);
        waitSince(GetTickCount() + 0x80000000u, 10);
        quickest = std::min(quickest, realMillisecondsSince(real));
    }
    EXPECT_LT(quickest, 5.0);
}
