#pragma once

#include "tavrel/tavrel_system.h"

#include <nlohmann/json.hpp>

namespace tavrel::replay {

// The whole state of the system and its control models, as one JSON object.
nlohmann::ordered_json stateDump(const TavrelSystem& system);

} // namespace tavrel::replay
