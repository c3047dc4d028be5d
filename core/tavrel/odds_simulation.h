#pragma once

#include "stats/wilson_interval.h"
#include "tavrel/partie_odds.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace tavrel {

// The simulation stops once its interval is this narrow on either side, or
// after SimulationTime.
inline constexpr double SimulationHalfWidth = 0.001;
inline constexpr std::chrono::milliseconds SimulationTime{1000};

// How one simulated partie ended.
struct PlayedPartie {
    std::int64_t balance;  // at its end
    std::int64_t deepest;  // its lowest balance, the start included
    std::int64_t spins;
    bool overLimit;        // lost before a spin the table does not take
};

// Parties played on from one state, each on its own copy of the kernel, with
// a wheel seeded alike every time, so that the same question gets the same
// answer.
class PartieSimulation {
public:
    PartieSimulation(const TavrelSystem& from, std::int64_t tableLimit);

    // Plays one partie until it is won or its balance goes below -bankroll.
    PlayedPartie play(std::int64_t bankroll);

private:
    TavrelSystem from_;
    std::int64_t tableLimit_;
    std::mt19937_64 wheel_{20261206};
    std::uniform_int_distribution<int> number_{0, NumberCount - 1};
};

// The odds by simulation, with the ruin's interval. Leaves nextStake and
// largestStake to the caller.
std::optional<PartieOdds> simulatedOdds(const TavrelSystem& system, const OddsQuestion& question,
                                        std::stop_token stop = {});

} // namespace tavrel
