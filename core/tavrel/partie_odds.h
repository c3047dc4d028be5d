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

// Why a partie is lost before its next spin, if it is.
enum class LostBefore {
    Nothing,     // the next spin can be placed
    Stake,       // its stake is more than what is left of the capital
    TableLimit,  // it would put more than the table limit on a cheval
};

// How the running partie ends, played on from the latest event on a fair
// single-zero wheel under the system's own rules: won as soon as its balance
// is above 0, lost before a spin whose stake is more than what is left of the
// capital (bankroll + balance) or that would put more than the table limit on
// one cheval.
struct PartieOdds {
    double win = 0;
    double ruin = 0;
    double expectedResult = 0; // the mean balance at the end, in units
    double expectedSpins = 0;  // from the latest event to the end
    // Exact up to rounding; otherwise from a simulation, with the 95 %
    // intervals of the ruin and of the expected result.
    bool exact = true;
    double ruinLow = 0;
    double ruinHigh = 0;
    double resultLow = 0;
    double resultHigh = 0;
    std::int32_t nextStake = 0;
    // The largest stake the partie can still ask for before it is lost, never
    // more than the capital can pay; 0 when it is lost before its next spin.
    std::int64_t largestStake = 0;
    LostBefore lostBeforeNextSpin = LostBefore::Nothing;
};

// The largest capital computed exactly; beyond it, simulation.
inline constexpr std::int64_t SweepReach = 10'000;

// Nothing when no partie runs, or when `stop` was requested before the end.
std::optional<PartieOdds> partieOdds(const TavrelSystem& system, const OddsQuestion& question,
                                     std::stop_token stop = {});

} // namespace tavrel
