#pragma once

#include "tavrel/partie_odds.h"

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <stop_token>

namespace tavrel {

// How many runs a simulated answer plays: a fixed number, so that the same
// question gets the same answer on any machine, however fast. A run is the
// running partie to its end, or the evening's spins left.
inline constexpr std::uint64_t SimulatedParties = 20'000;
inline constexpr std::uint64_t SimulatedEvenings = 50'000;

// How one simulated run ended.
struct SimulatedRun {
    std::int64_t result = 0; // the running partie's balance and every spin's Saldo after it
    // The largest capital any of its spins asked for, the one it could not
    // place included: against a smaller bankroll it is lost there.
    std::int64_t capitalNeeded = 0;
    std::int64_t spins = 0;
    LostBefore lost = LostBefore::Nothing;
};

// Runs played on from one state against one question, each on its own copy
// of the kernel and its own wheel: run i spins the same numbers whatever the
// capital, so the same runs answer for every capital.
class OddsSimulation {
public:
    OddsSimulation(const TavrelSystem& from, const OddsQuestion& question);

    std::uint64_t runs() const { return question_.spins ? SimulatedEvenings : SimulatedParties; }
    // Plays run `run` until the partie is won or the evening's spins are
    // played, or a partie is lost; nothing when `stop` was requested first.
    std::optional<SimulatedRun> play(std::uint64_t run, std::stop_token stop = {}) const;

private:
    TavrelSystem from_;
    OddsQuestion question_;
};

// The odds by simulation, with the 95 % intervals of the ruin and of the
// expected result; with the question's spins, win is the chance that no
// partie of the evening is lost. Leaves largestStake and
// lostBeforeNextSpin to the caller; nothing when `stop` was requested.
std::optional<PartieOdds> simulatedOdds(const TavrelSystem& system, const OddsQuestion& question,
                                        std::stop_token stop = {});

// How many runs needed each capital, played against the largest one the
// question names: a run that the table stopped needs more than any capital.
// Against a capital B, the runs needing more than B are lost.
struct CapitalNeeds {
    std::map<std::int64_t, std::uint64_t> counts;
    std::uint64_t runs = 0;
};

// How many of the counted needs are more than `bankroll`: the runs lost against it.
std::uint64_t lostAgainst(const std::map<std::int64_t, std::uint64_t>& needs, std::int64_t bankroll);
inline constexpr std::int64_t TableStopped = std::numeric_limits<std::int64_t>::max();

std::optional<CapitalNeeds> simulatedNeeds(const TavrelSystem& system, const OddsQuestion& question,
                                           std::stop_token stop = {});

} // namespace tavrel
