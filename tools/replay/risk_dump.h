#pragma once

#include "replay_command.h"
#include "tavrel/tavrel_system.h"

#include <nlohmann/json.hpp>

namespace tavrel::replay {

// The running partie's odds as one JSON object, by the function the Risiko
// window shows: null figures when no partie runs, and the ruin's interval as
// low and high when the figures are simulated.
nlohmann::ordered_json riskDump(const TavrelSystem& system, const Risk& question);

// The smallest capital for a risk as one JSON object: null when no partie
// runs; the risk that remains at the largest capital as floor when there is
// none; the capital's interval as low and high when it is simulated.
nlohmann::ordered_json capitalDump(const TavrelSystem& system, const Capital& question);

} // namespace tavrel::replay
