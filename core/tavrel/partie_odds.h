#pragma once

#include "tavrel/tavrel_system.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <stop_token>

namespace tavrel {

// What the running partie is played against: the capital it may lose, and the
// table's limit per cheval, both in units.
struct OddsQuestion {
    std::int64_t bankroll = 1000;
    std::int64_t tableLimit = NoTableLimit;

    static constexpr std::int64_t NoTableLimit = std::numeric_limits<std::int64_t>::max();
};

// How the running partie ends, played on from the latest event on a fair
// single-zero wheel under the system's own rules: won when its balance goes
// above 0, lost when it goes below -bankroll or before a spin on which a
// cheval's stake would exceed the table limit.
struct PartieOdds {
    double win = 0;
    double ruin = 0;
    double expectedResult = 0; // the mean balance at the end, in units
    double expectedSpins = 0;  // from the latest event to the end
    // Exact up to rounding; otherwise from a simulation, with the 95 % Wilson
    // interval of the ruin in [ruinLow, ruinHigh].
    bool exact = true;
    double ruinLow = 0;
    double ruinHigh = 0;
    std::int32_t nextStake = 0;
    std::int64_t largestStake = 0; // see largestStake() in stake_ladder.h
};

// The largest capital computed exactly; beyond it, simulation.
inline constexpr std::int64_t SweepReach = 10'000;

// Nothing when no partie runs, or when `stop` was requested before the end.
std::optional<PartieOdds> partieOdds(const TavrelSystem& system, const OddsQuestion& question,
                                     std::stop_token stop = {});

} // namespace tavrel
