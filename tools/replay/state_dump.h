#pragma once

#include "tavrel/player_session.h"

#include <nlohmann/json.hpp>

namespace tavrel::replay {

// The whole session as one JSON object: the stake table's texts, what every
// control shows, and every variable of the system.
nlohmann::ordered_json stateDump(const PlayerSession& session);

} // namespace tavrel::replay
