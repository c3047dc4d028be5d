#pragma once

#include "tavrel/partie_rule.h"
#include "tavrel/tavrel_system.h"

#include <cstdint>
#include <optional>
#include <stop_token>

namespace tavrel {

// How the running partie ends, played on from the latest event on a fair
// single-zero wheel under the system's own rules and the rule of
// partie_rule.h.
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
    // The largest stake the partie can still ask for before it is lost, never
    // more than the capital can pay; 0 when it is lost before its next spin.
    std::int64_t largestStake = 0;
    LostBefore lostBeforeNextSpin = LostBefore::Nothing;
};

// The largest capital computed exactly; beyond it, simulation.
inline constexpr std::int64_t SweepReach = 100'000;

// The running partie's odds, or with the question's spins the evening's.
// Nothing when no partie runs, or when `stop` was requested before the end.
std::optional<PartieOdds> partieOdds(const TavrelSystem& system, const OddsQuestion& question,
                                     std::stop_token stop = {});

} // namespace tavrel
