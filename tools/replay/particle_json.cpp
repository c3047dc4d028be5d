#include "particle_json.h"

#include <cstddef>

namespace tavrel::replay {

using json = nlohmann::ordered_json;

namespace {

// Keeps the points as drawing sets them. Each coordinate arrives as the single
// precision value of a whole number, so it is written as a whole number again.
class PointRecorder : public DrawingSurface {
public:
    void setPoint(float x, float y, std::int32_t colour) override
    {
        points.push_back({static_cast<long long>(x), static_cast<long long>(y), colour});
    }

    json points = json::array();
};

} // namespace

json particlesJson(const PartikelSystem2::PartikelListe& list)
{
    json items = json::array();
    for (std::int32_t i = 1; i <= list.Count; ++i) {
        const auto& p = list.Items.at(static_cast<std::size_t>(i));
        items.push_back({p.TravelX, p.TravelY, p.MaxRange, p.SpeedX, p.SpeedY, p.PosX, p.PosY, p.Color});
    }
    PointRecorder recorder;
    PartikelSystem2::DrawPartikel(recorder, list);
    return {{"count", list.Count}, {"items", std::move(items)}, {"points", std::move(recorder.points)}};
}

} // namespace tavrel::replay
