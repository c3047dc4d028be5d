#pragma once

#include "tavrel/partie_odds.h"

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

namespace tavrel {

// The risk of the running partie at one capital; exact, or simulated with its
// 95 % Wilson interval [low, high].
struct RiskPoint {
    std::int64_t bankroll;
    double ruin;
    double low;
    double high;
    bool exact;
};

// The capitals the chart samples: four per decade from 10 to 1,000,000.
std::vector<std::int64_t> curveCapitals();

// The risk at each of curveCapitals(). A sweep answers for one capital only,
// since its lower edge ends the parties that cross it; so each capital up to
// SweepReach has its own. Beyond, one simulation serves them all: a partie
// played against the largest capital is the same partie against a smaller one
// until its balance first goes below that, so its deepest balance tells how it
// ends against each. Nothing when no partie runs or `stop` was requested.
std::optional<std::vector<RiskPoint>> riskCurve(const TavrelSystem& system, std::int64_t tableLimit,
                                                std::stop_token stop = {});

} // namespace tavrel
