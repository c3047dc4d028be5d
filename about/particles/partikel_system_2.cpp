#include "particles/partikel_system_2.h"

#include "particles/kollision_engine_2d.h"
#include "checked/checked_math.h"
#include "checked/runtime_error.h"

#include <cstddef>

namespace tavrel::PartikelSystem2 {

namespace {

constexpr std::int32_t scale = 255;

void resizeToCount(PartikelListe& list)
{
    list.Items.resize(static_cast<std::size_t>(list.Count) + 1);
}

} // namespace

void InitPartikel(PartikelListe& list)
{
    list.Items.assign(1, Partikel{});
}

void AddPartikel(PartikelListe& list, std::int32_t x, std::int32_t y, double angle,
                 std::int32_t colour, std::int32_t speed, std::int32_t range)
{
    const std::int32_t count = checkedAdd(list.Count, 1);
    Partikel added;
    added.PosX = checkedMul(x, scale);
    added.PosY = checkedMul(y, scale);
    const std::int32_t length = checkedMul(speed, scale);
    added.SpeedX = KollisionEngine2D::AngleToX(angle, length);
    added.SpeedY = KollisionEngine2D::AngleToY(angle, length);
    added.Color = colour;
    added.MaxRange = checkedMul(range, scale);

    list.Count = count;
    resizeToCount(list);
    list.Items[static_cast<std::size_t>(count)] = added;
}

void RemovePartikel(PartikelListe& list, std::int32_t index)
{
    if (index < 0 || index > list.Count)
        return;
    // Removing the dummy of an empty list would leave an array without bounds.
    if (list.Count == 0)
        throw RuntimeError("subscript out of range");
    list.Items.erase(list.Items.begin() + index);
    list.Count -= 1;
    resizeToCount(list);
}

void UpdatePartikel(PartikelListe& list, double gravity)
{
    const std::int32_t count = list.Count;
    std::int32_t removed = 0;
    for (std::int32_t i = 1; i <= count; ++i) {
        // Where the frame's i-th particle sits after this frame's removals.
        const std::int32_t k = i - removed;
        Partikel& p = list.Items[static_cast<std::size_t>(k)];
        p.TravelX = checkedAdd(p.TravelX, p.SpeedX);
        p.TravelY = checkedAdd(p.TravelY, p.SpeedY);
        p.PosX = checkedAdd(p.PosX, p.SpeedX);
        p.PosY = checkedAdd(p.PosY, p.SpeedY);
        p.SpeedY = roundToInt<std::int32_t>(p.SpeedY + gravity);

        const std::int32_t distance = KollisionEngine2D::Distance(0, 0, p.TravelX / scale, p.TravelY / scale);
        if (checkedMul(distance, scale) > p.MaxRange) {
            RemovePartikel(list, k);
            ++removed;
        }
    }
}

void DrawPartikel(DrawingSurface& surface, const PartikelListe& list)
{
    const std::int32_t count = list.Count;
    for (std::int32_t i = 1; i <= count; ++i) {
        const Partikel& p = list.Items[static_cast<std::size_t>(i)];
        DrawPartikelAt(surface, p.PosX / scale, p.PosY / scale, p.Color);
    }
}

void DrawPartikelAt(DrawingSurface& surface, std::int32_t x, std::int32_t y, std::int32_t colour)
{
    const auto point = [&](std::int32_t dx, std::int32_t dy) {
        surface.setPoint(static_cast<float>(checkedAdd(x, dx)), static_cast<float>(checkedAdd(y, dy)), colour);
    };
    // The third point sits (+20, -20) from the centre, further out than the others.
    point(0, 0);
    point(10, 10);
    point(20, -20);
    point(-10, 10);
    point(-10, -10);
}

} // namespace tavrel::PartikelSystem2
