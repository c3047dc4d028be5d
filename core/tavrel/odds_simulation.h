#pragma once

#include "tavrel/partie_odds.h"

#include <cstdint>
#include <optional>
#include <stop_token>

namespace tavrel {

// How many parties a simulated answer plays: a fixed number, so that the same
// question gets the same answer on any machine, however fast.
inline constexpr std::uint64_t SimulatedParties = 20'000;

// How one simulated partie ended.
struct PlayedPartie {
    std::int64_t balance = 0; // at its end
    // The largest capital any of its spins asked for, the one it could not
    // place included: against a smaller bankroll it is lost.
    std::int64_t capitalNeeded = 0;
    std::int64_t spins = 0;
    LostBefore lost = LostBefore::Nothing;
};

// Parties played on from one state against one question, each on its own
// copy of the kernel and its own wheel: partie i spins the same numbers
// whatever the capital, so the same parties answer for every capital.
class PartieSimulation {
public:
    PartieSimulation(const TavrelSystem& from, const OddsQuestion& question);

    // Plays partie `partie` until it is won or lost; nothing when `stop` was
    // requested first.
    std::optional<PlayedPartie> play(std::uint64_t partie, std::stop_token stop = {}) const;

private:
    TavrelSystem from_;
    OddsQuestion question_;
};

// The odds by simulation of SimulatedParties parties, with the 95 % intervals
// of the ruin and of the expected result. Leaves nextStake, largestStake and
// lostBeforeNextSpin to the caller; nothing when `stop` was requested.
std::optional<PartieOdds> simulatedOdds(const TavrelSystem& system, const OddsQuestion& question,
                                        std::stop_token stop = {});

} // namespace tavrel
