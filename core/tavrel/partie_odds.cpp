#include "tavrel/partie_odds.h"

#include "tavrel/odds_simulation.h"
#include "tavrel/odds_sweep.h"
#include "tavrel/stake_ladder.h"

namespace tavrel {

std::optional<PartieOdds> partieOdds(const TavrelSystem& system, const OddsQuestion& question, std::stop_token stop)
{
    if (!system.partieRuns())
        return std::nullopt;
    auto odds = question.bankroll <= SweepReach ? sweepOdds(system, question, stop)
                                                : simulatedOdds(system, question, stop);
    if (!odds)
        return std::nullopt;
    odds->nextStake = system.Einsatz;
    odds->largestStake = largestStake(system, question.bankroll, question.tableLimit);
    return odds;
}

} // namespace tavrel
