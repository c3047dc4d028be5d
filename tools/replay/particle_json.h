#pragma once

#include "particles/partikel_system_2.h"

#include <nlohmann/json.hpp>

namespace tavrel::replay {

// The live particles as {"count", "items", "points"}: each item's eight fields
// in their declared order, and the points that drawing the list would set, five
// per particle, as [x, y, colour].
nlohmann::ordered_json particlesJson(const PartikelSystem2::PartikelListe& list);

} // namespace tavrel::replay
