#pragma once

#include "report.h"

#include <nlohmann/json.hpp>

namespace tavrel::sim {

// The same report as one JSON document; absent figures are null.
nlohmann::ordered_json reportJson(const Report& report);

} // namespace tavrel::sim
