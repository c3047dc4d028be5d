#pragma once

#include <cstdint>

namespace tavrel {

// Where particles are drawn: the About box's drawing in the program, a
// recording in the tests.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Sets one point at (x, y) in twips. The colour is an RGB colour value with
    // red in the low byte: red + 256 * green + 65536 * blue.
    virtual void setPoint(float x, float y, std::int32_t colour) = 0;
};

} // namespace tavrel
