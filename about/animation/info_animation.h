#pragma once

#include "particles/drawing_surface.h"
#include "particles/partikel_system_2.h"

#include <cstdint>

namespace tavrel::about {

// What the About box's frames ask of the window they run in.
class AnimationPlatform {
public:
    virtual ~AnimationPlatform() = default;

    // A uniform single-precision random number in [0, 1).
    virtual float Rnd() = 0;
    // The drawing area's current size in twips.
    virtual float ScaleWidth() = 0;
    virtual float ScaleHeight() = 0;
};

// One animation frame's work, kept apart from the window's clearing, pacing
// and event processing so that it runs and is tested without Qt. All
// coordinates are twips.
class InfoAnimation {
public:
    bool Running = false;
    std::int32_t Gravity = 0;
    std::int32_t MouseX = 0;
    std::int32_t MouseY = 0;
    bool MouseIsDown = false;
    PartikelSystem2::PartikelListe Liste;

    // A fresh list and the box's gravity.
    void start();

    // New particles, then every particle moved once and the survivors drawn.
    void frame(AnimationPlatform& platform, DrawingSurface& surface);

    void buttonPressed();
    void pointerMoved(float x, float y);
    void buttonReleased();

private:
    void addRandomParticle(AnimationPlatform& platform);
    void SpawnAtMouse(AnimationPlatform& platform);
};

// An RGB colour value, red in the low byte; a component above 255 counts as 255.
std::int32_t RGB(std::int16_t red, std::int16_t green, std::int16_t blue);

} // namespace tavrel::about
