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

// The About box's fields and the work of one animation frame, apart from
// clearing, pacing and event processing, which belong to the window. All
// coordinates are twips.
class InfoAnimation {
public:
    bool Running = false;
    std::int32_t Gravity = 0;
    std::int32_t MouseX = 0;
    std::int32_t MouseY = 0;
    bool MouseIsDown = false;
    PartikelSystem2::PartikelListe Liste;

    // Starts a fresh list with gravity 400 and sets the animation running.
    void start();

    // Five random particles, a white one at the pointer while a button is
    // held, then one step of every particle and the survivors drawn.
    void frame(AnimationPlatform& platform, DrawingSurface& surface);

    void Form_MouseDown();
    void Form_MouseMove(float x, float y);
    void Form_MouseUp();

private:
    void addRandomParticle(AnimationPlatform& platform);
    void SpawnAtMouse(AnimationPlatform& platform);
};

// An RGB colour value, red in the low byte; a component above 255 counts as 255.
std::int32_t RGB(std::int16_t red, std::int16_t green, std::int16_t blue);

} // namespace tavrel::about
