#pragma once

#include "tavrel/partie_odds.h"

namespace tavrel {

// The exact odds of the running partie: carries the probability of the parties
// still running over the whole balances from -bankroll to 0, level by level
// of the stake ladder. Its work grows with bankroll², so it serves up to
// SweepReach. Leaves largestStake and lostBeforeNextSpin to the
// caller; nothing when `stop` was requested.
std::optional<PartieOdds> sweepOdds(const TavrelSystem& system, const OddsQuestion& question,
                                    std::stop_token stop = {});

} // namespace tavrel
