#pragma once

#include "tavrel/partie_odds.h"

#include <cstdint>
#include <map>
#include <optional>
#include <stop_token>

namespace tavrel {

// The player's question: the smallest whole capital whose risk is at most
// `risk` (a fraction), for the running partie or for the spins left tonight.
struct CapitalForRisk {
    double risk = 0;
    // Nothing when no capital up to CurveReach gets there; `floor` is then the
    // risk that remains at CurveReach.
    std::optional<std::int64_t> capital;
    double floor = 0;
    // Exact, or from a simulation with the 95 % interval [low, high] of the
    // capital; no high when the interval reaches past CurveReach.
    bool exact = true;
    std::int64_t low = 0;
    std::optional<std::int64_t> high;
};

// From how many runs needed each capital (a count per need): the smallest
// capital at which at most `risk` of the runs are lost, with the 95 %
// interval of that quantile from the order statistics; nothing beyond
// `reach`. Serves the Risiko window's simulation and tavrel-sim's sessions.
CapitalForRisk capitalForShare(const std::map<std::int64_t, std::uint64_t>& needs, std::uint64_t runs, double risk,
                               std::int64_t reach);

// Exact for the running partie while the swept risk at SweepReach is at most
// `risk`; simulated otherwise, and for the evening. The question's bankroll is
// not read. Nothing when no partie runs or `stop` was requested.
std::optional<CapitalForRisk> capitalForRisk(const TavrelSystem& system, const OddsQuestion& question, double risk,
                                             std::stop_token stop = {});

} // namespace tavrel
