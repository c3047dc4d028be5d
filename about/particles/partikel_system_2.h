#pragma once

#include "particles/drawing_surface.h"

#include <cstdint>
#include <vector>

// The About box's particles, in fixed point: a stored value is 255 times the
// value in twips, which keeps the arithmetic in whole numbers. The y axis
// points down. Checked 32-bit arithmetic raises a tavrel::RuntimeError rather
// than letting a particle wrap around to the other side of the box.
namespace tavrel::PartikelSystem2 {

struct Partikel {
    std::int32_t TravelX = 0;  // displacement from the starting point
    std::int32_t TravelY = 0;
    std::int32_t MaxRange = 0; // retired once the displacement exceeds it
    std::int32_t SpeedX = 0;   // per frame, positive to the right
    std::int32_t SpeedY = 0;   // per frame, positive downward
    std::int32_t PosX = 0;
    std::int32_t PosY = 0;
    std::int32_t Color = 0;    // red + 256 * green + 65536 * blue

    bool operator==(const Partikel&) const = default;
};

struct PartikelListe {
    std::int32_t Count = 0;
    // Element 0 is a dummy that is never moved, drawn or retired; the live
    // particles are Items[1] to Items[Count], oldest first.
    std::vector<Partikel> Items;
};

// Makes Items hold the single zeroed dummy; Count is left as it is.
void InitPartikel(PartikelListe& list);

// Appends a particle at (x, y) twips flying at `angle` degrees with `speed`
// twips per frame, to be retired beyond `range` twips from its start.
void AddPartikel(PartikelListe& list, std::int32_t x, std::int32_t y, double angle,
                 std::int32_t colour, std::int32_t speed, std::int32_t range);

// Deletes Items[index], closing the gap; an index outside 0..Count is ignored.
void RemovePartikel(PartikelListe& list, std::int32_t index);

// Moves every particle by one frame, then adds `gravity` to its vertical
// speed and retires it if it has flown out of range.
void UpdatePartikel(PartikelListe& list, double gravity);

// Draws every live particle at its position in whole twips.
void DrawPartikel(DrawingSurface& surface, const PartikelListe& list);

// Draws one particle as a small cluster of five points around (x, y).
void DrawPartikelAt(DrawingSurface& surface, std::int32_t x, std::int32_t y, std::int32_t colour);

} // namespace tavrel::PartikelSystem2
