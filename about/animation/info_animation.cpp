#include "animation/info_animation.h"

#include "checked/checked_math.h"

#include <algorithm>

namespace tavrel::about {

namespace particles = PartikelSystem2;

namespace {

constexpr std::int32_t white = 16777215;

// Random particles: 7 twips per frame, retired beyond 1000 twips.
constexpr std::int32_t randomSpeed = 7;
constexpr std::int32_t randomRange = 1000;

// White particles shoot straight up at 70 twips per frame and fly 7000 twips.
constexpr double upward = 90;
constexpr std::int32_t whiteSpeed = 70;
constexpr std::int32_t whiteRange = 7000;

std::int32_t component(std::int16_t value)
{
    return std::clamp<std::int32_t>(value, 0, 255);
}

} // namespace

std::int32_t RGB(std::int16_t red, std::int16_t green, std::int16_t blue)
{
    return component(red) + 256 * component(green) + 65536 * component(blue);
}

void InfoAnimation::start()
{
    particles::InitPartikel(Liste);
    Gravity = 400;
    Running = true;
}

void InfoAnimation::frame(AnimationPlatform& platform, DrawingSurface& surface)
{
    for (int i = 0; i < 5; ++i)
        addRandomParticle(platform);
    if (MouseIsDown)
        SpawnAtMouse(platform);
    particles::UpdatePartikel(Liste, Gravity);
    particles::DrawPartikel(surface, Liste);
}

void InfoAnimation::addRandomParticle(AnimationPlatform& platform)
{
    // The numbers are drawn, and the size read, in exactly this order, so that
    // a resized window moves the spawn area from the next particle on.
    const double r1 = platform.Rnd();
    const double width = platform.ScaleWidth();
    const double r2 = platform.Rnd();
    const double height = platform.ScaleHeight();
    const double r3 = platform.Rnd();
    const double r4 = platform.Rnd();
    const double r5 = platform.Rnd();
    const double r6 = platform.Rnd();

    const auto x = roundToInt<std::int32_t>(width * r1 + 1);
    const auto y = roundToInt<std::int32_t>(r2 * height + 1);
    const double angle = r3 * 360 + 1;
    const std::int32_t colour = RGB(roundToInt<std::int16_t>(r4 * 128 + 128), roundToInt<std::int16_t>(r5 * 255 + 128),
                                    roundToInt<std::int16_t>(r6 * 255 + 128));
    particles::AddPartikel(Liste, x, y, angle, colour, randomSpeed, randomRange);
}

void InfoAnimation::SpawnAtMouse(AnimationPlatform& platform)
{
    // From 99 twips left of the pointer to 1 twip right of it.
    const double r = platform.Rnd();
    const auto x = roundToInt<std::int32_t>((r * 100 + 1) + MouseX - 100);
    particles::AddPartikel(Liste, x, MouseY, upward, white, whiteSpeed, whiteRange);
}

void InfoAnimation::buttonPressed()
{
    MouseIsDown = true;
}

void InfoAnimation::pointerMoved(float x, float y)
{
    MouseX = roundToInt<std::int32_t>(x);
    MouseY = roundToInt<std::int32_t>(y);
}

void InfoAnimation::buttonReleased()
{
    MouseIsDown = false;
}

} // namespace tavrel::about
