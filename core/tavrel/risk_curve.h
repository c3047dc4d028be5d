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

// The largest capital the chart shows.
inline constexpr std::int64_t CurveReach = 1'000'000;

// The capitals the chart samples: four per decade from 10 to CurveReach, and
// `chosen`, in ascending order.
std::vector<std::int64_t> curveCapitals(std::int64_t chosen);

// The risk at each of curveCapitals(question.bankroll), never rising with the
// capital. Each capital up to SweepReach has its own sweep, since a sweep's
// lower edge ends the parties that cross it. Beyond, one simulation serves
// them all: a partie is lost against a capital exactly when one of its spins
// needs more (or when the table stops it), so the same parties answer for
// every capital, as simulatedOdds() does for one; and no capital beyond risks
// more than the largest one swept. With the question's spins, the evening's
// risk, all simulated. Nothing when no partie runs or `stop` was requested.
std::optional<std::vector<RiskPoint>> riskCurve(const TavrelSystem& system, const OddsQuestion& question,
                                                std::stop_token stop = {});

// A simulated risk bounded by the exact one at a smaller capital, which it can
// never exceed.
RiskPoint boundedBy(RiskPoint simulated, double exactRuin);

} // namespace tavrel
