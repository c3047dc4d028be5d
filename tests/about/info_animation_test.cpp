#include "animation/info_animation.h"
#include "animation/tick_count.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace tavrel::about;

namespace {

// Hands out each list in turn, repeating its last.
struct ScriptedPlatform : AnimationPlatform, tavrel::DrawingSurface {
    std::vector<float> randoms{0.5f}, widths{9870}, heights{4695};
    std::string calls;
    float Rnd() override { return next(randoms, 'R'); }
    float ScaleWidth() override { return next(widths, 'W'); }
    float ScaleHeight() override { return next(heights, 'H'); }
    void setPoint(float, float, std::int32_t) override {}
    float next(const std::vector<float>& values, char call)
    {
        calls += call;
        return values[std::min(std::ranges::count(calls, call), std::ssize(values)) - 1];
    }
};

// Where a particle set out: its position less the distance it has travelled.
std::pair<int, int> startOf(const tavrel::PartikelSystem2::Partikel& p)
{
    return {(p.PosX - p.TravelX) / 255, (p.PosY - p.TravelY) / 255};
}

// Time moves only in sleeps, which are logged; a sleep can be set to wake early.
struct ScriptedClock : FrameClock {
    Millisecond at{std::chrono::milliseconds((1LL << 32) + 4)}; // just past a wrap of the counter
    std::chrono::milliseconds early{0};
    std::vector<Millisecond> wakes;
    Millisecond now() override { return at; }
    void sleepUntil(Millisecond wake) override
    {
        wakes.push_back(wake);
        at = wake - std::exchange(early, {});
    }
};

} // namespace

TEST(InfoAnimation, RandomParticlesTakeSixNumbersInOrderAndReadTheSizeAnew)
{
    InfoAnimation animation;
    animation.start();
    ScriptedPlatform platform;
    // r1, W, r2, H, r3 to r6 for the first particle; the second sees a new size.
    platform.randoms = {0.5f, 0.25f, 0.25f, 0.5f, 0.25f, 0.999f, 0.5f, 0.5f, 0.f};
    platform.widths = {9870, 3};
    platform.heights = {4695, 5};
    animation.frame(platform, platform);
    ASSERT_EQ(animation.Liste.Count, 5);
    const auto& first = animation.Liste.Items[1];
    EXPECT_EQ(startOf(first), std::pair(4936, 1175)); // 9870 * 0.5 + 1 and 0.25 * 4695 + 1
    // SpeedX is cos(0.25 * 360 + 1 degrees) * 7 * 255; blue 382.7 counts as 255.
    EXPECT_EQ(std::tuple(first.SpeedX, first.MaxRange, first.Color), std::tuple(-31, 1000 * 255, 192 + 256 * 192 + 65536 * 255));
    // Ties go to the even neighbour: x = 3 * 0.5 + 1 = 2.5 and y = 0.5 * 5 + 1 = 3.5.
    EXPECT_EQ(startOf(animation.Liste.Items[2]), std::pair(2, 4));
    EXPECT_EQ(RGB(256, 383, 255), 16777215);
}

TEST(InfoAnimation, HeldButtonAddsOneWhiteParticlePerFrameLeftOfThePointer)
{
    InfoAnimation animation;
    animation.start();
    animation.buttonPressed();
    for (const float r : {0.f, 0.99999994f}) { // for the white particle, after six for each random one
        ScriptedPlatform platform;
        platform.randoms.assign(30, 0.5f);
        platform.randoms.push_back(r);
        animation.frame(platform, platform);
        animation.pointerMoved(1000.5f, 2001.5f); // ties to even: (1000, 2002)
    }
    const auto& late = animation.Liste.Items[12];
    EXPECT_EQ(startOf(animation.Liste.Items[6]), std::pair(-99, 0)); // before any move: the top left corner
    EXPECT_EQ(startOf(late), std::pair(1001, 2002));
    EXPECT_EQ(std::tuple(late.Color, late.SpeedX, late.SpeedY, late.MaxRange),
              std::tuple(16777215, 0, -17850 + 400, 7000 * 255));
    animation.buttonReleased();
    ScriptedPlatform platform;
    animation.frame(platform, platform);
    EXPECT_EQ(animation.Liste.Count, 2 * 6 + 5);
}

TEST(TickCount, WaitSleepsUntilTheCounterIsTenPastTheStartAndChecksAgainOnWaking)
{
    ScriptedClock clock;
    const std::uint32_t start = GetTickCount(clock) - 7; // before the wrap
    clock.early = std::chrono::milliseconds(2);
    waitSince(start, 10, clock);
    const ScriptedClock::Millisecond due{std::chrono::milliseconds((1LL << 32) + 7)};
    EXPECT_EQ(clock.wakes, std::vector({due, due}));
    EXPECT_EQ(ticksBetween(start, GetTickCount(clock)), 10u);
    // A start ahead looks long past, as across a wrap: no wait.
    for (const std::uint32_t ahead : {5u, 0x80000000u})
        waitSince(GetTickCount(clock) + ahead, 10, clock);
    EXPECT_EQ(clock.wakes.size(), 2u);
}
