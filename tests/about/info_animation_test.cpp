#include "animation/info_animation.h"
#include "particles/kollision_engine_2d.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

using namespace tavrel;
using namespace tavrel::about;

namespace {

constexpr float justBelowOne = 0.99999994f;
constexpr std::int32_t white = 16777215;

// Hands out scripted random numbers and sizes and logs the order in which
// they are asked for: R a random number, W the width, H the height.
class ScriptedPlatform : public AnimationPlatform {
public:
    std::deque<float> randoms;
    std::deque<float> widths{9870};
    std::deque<float> heights{4695};
    std::string calls;

    float Rnd() override { return next(randoms, 'R', 0.5f); }
    float ScaleWidth() override { return next(widths, 'W', widths.empty() ? 0 : widths.back()); }
    float ScaleHeight() override { return next(heights, 'H', heights.empty() ? 0 : heights.back()); }

private:
    float next(std::deque<float>& values, char call, float otherwise)
    {
        calls += call;
        if (values.size() <= 1)
            return values.empty() ? otherwise : values.front();
        const float value = values.front();
        values.pop_front();
        return value;
    }
};

struct Point {
    float x, y;
    std::int32_t colour;
};

class RecordingSurface : public DrawingSurface {
public:
    void setPoint(float x, float y, std::int32_t colour) override { points.push_back({x, y, colour}); }
    std::vector<Point> points;
};

struct Start {
    std::int32_t x, y;
    bool operator==(const Start&) const = default;
};

// Where a particle set out: its position less the distance it has travelled.
Start startOf(const PartikelSystem2::Partikel& p)
{
    return {(p.PosX - p.TravelX) / 255, (p.PosY - p.TravelY) / 255};
}

InfoAnimation started()
{
    InfoAnimation animation;
    animation.start();
    return animation;
}

} // namespace

TEST(InfoAnimation, RandomParticlesTakeSixNumbersInOrderAndReadTheSizeAnew)
{
    InfoAnimation animation = started();
    ScriptedPlatform platform;
    // r1, W, r2, H, r3 to r6 for the first particle; the second sees a new size.
    platform.randoms = {0.5f, 0.25f, 0.25f, 0.5f, 0.f, 0.999f, 0.5f, 0.5f, 0.f};
    platform.widths = {9870, 3};
    platform.heights = {4695, 5};
    RecordingSurface surface;
    animation.frame(platform, surface);

    EXPECT_EQ(platform.calls, "RWRHRRRRRWRHRRRRRWRHRRRRRWRHRRRRRWRHRRRR");
    ASSERT_EQ(animation.Liste.Count, 5);
    const auto& first = animation.Liste.Items[1];
    EXPECT_EQ(startOf(first).x, 4936);            // 9870 * 0.5 + 1
    EXPECT_EQ(startOf(first).y, 1175);            // 0.25 * 4695 + 1 = 1174.75
    EXPECT_EQ(first.SpeedX, KollisionEngine2D::AngleToX(91, 1785)); // 0.25 * 360 + 1
    EXPECT_EQ(first.MaxRange, 1000 * 255);
    EXPECT_EQ(first.Color, 192 + 256 * 128 + 65536 * 255); // blue 382.7 counts as 255

    // Ties go to the even neighbour: x = 3 * 0.5 + 1 = 2.5 and y = 0.5 * 5 + 1 = 3.5.
    const auto& second = animation.Liste.Items[2];
    EXPECT_EQ(startOf(second).x, 2);
    EXPECT_EQ(startOf(second).y, 4);
    EXPECT_EQ(second.SpeedX, 1785); // angle 1
}

TEST(InfoAnimation, RandomColoursNeverHaveAComponentBelow128)
{
    for (const float r : {0.f, 0.5f, 0.998f, justBelowOne}) {
        InfoAnimation animation = started();
        ScriptedPlatform platform;
        platform.randoms = {r};
        RecordingSurface surface;
        animation.frame(platform, surface);
        for (std::int32_t i = 1; i <= animation.Liste.Count; ++i) {
            const std::int32_t colour = animation.Liste.Items[static_cast<std::size_t>(i)].Color;
            for (int shift : {0, 8, 16})
                EXPECT_GE((colour >> shift) & 0xFF, 128) << "r " << r;
            EXPECT_LE(colour, white);
        }
    }
    EXPECT_EQ(RGB(128, 128, 128), 0x808080);
    EXPECT_EQ(RGB(256, 383, 255), white);
}

TEST(InfoAnimation, HeldButtonAddsOneWhiteParticlePerFrameLeftOfThePointer)
{
    InfoAnimation animation = started();
    ScriptedPlatform platform;
    RecordingSurface surface;
    // Runs a frame whose white particle draws `r`; returns where that particle set out.
    const auto whiteStartFor = [&](float r) {
        platform.randoms.assign(30, 0.5f); // six numbers for each random particle first
        platform.randoms.push_back(r);
        const std::int32_t before = animation.Liste.Count;
        animation.frame(platform, surface);
        EXPECT_EQ(animation.Liste.Count, before + 6);
        const auto& spawned = animation.Liste.Items.back();
        EXPECT_EQ(spawned.Color, white);
        EXPECT_EQ(spawned.SpeedX, 0);
        EXPECT_EQ(spawned.MaxRange, 7000 * 255);
        return startOf(spawned);
    };

    // Before any move the pointer counts as being at the top left corner.
    animation.Form_MouseDown();
    EXPECT_EQ(whiteStartFor(0.f), (Start{-99, 0}));

    animation.Form_MouseMove(1000.5f, 2001.5f);
    EXPECT_EQ(animation.MouseX, 1000);
    EXPECT_EQ(animation.MouseY, 2002);
    animation.Form_MouseDown();
    EXPECT_EQ(whiteStartFor(0.f), (Start{901, 2002}));
    EXPECT_EQ(whiteStartFor(0.5f), (Start{951, 2002}));
    EXPECT_EQ(whiteStartFor(justBelowOne), (Start{1001, 2002}));

    animation.Form_MouseUp();
    const std::int32_t before = animation.Liste.Count;
    animation.frame(platform, surface);
    EXPECT_EQ(animation.Liste.Count, before + 5);
}

TEST(InfoAnimation, NewParticlesAreMovedOnceBeforeTheyAreFirstDrawn)
{
    InfoAnimation animation = started();
    ScriptedPlatform platform;
    platform.randoms = {0.5f, 0.5f, 0.f}; // from (4936, 2348.5 -> 2348) at angle 1
    RecordingSurface surface;
    animation.frame(platform, surface);

    ASSERT_EQ(surface.points.size(), 25u);
    for (std::int32_t i = 1; i <= 5; ++i) {
        const auto& p = animation.Liste.Items[static_cast<std::size_t>(i)];
        EXPECT_EQ(p.TravelX, 1785);
        EXPECT_EQ(p.TravelY, -31);
        EXPECT_EQ(p.SpeedY, -31 + 400) << "gravity acts after the move";
    }
    // 1785 / 255 = 7 to the right, and 31 / 255 twip up truncates to a whole twip less.
    EXPECT_EQ(surface.points[0].x, 4936 + 7);
    EXPECT_EQ(surface.points[0].y, 2347);
}
