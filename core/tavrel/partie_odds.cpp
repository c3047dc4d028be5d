#include "tavrel/partie_odds.h"

#include "tavrel/odds_simulation.h"
#include "tavrel/odds_sweep.h"
#include "tavrel/risk_curve.h"
#include "tavrel/stake_ladder.h"

#include <cmath>

namespace tavrel {

std::optional<PartieOdds> partieOdds(const TavrelSystem& system, const OddsQuestion& question, std::stop_token stop)
{
    if (!system.partieRuns())
        return std::nullopt;
    auto odds = question.bankroll <= SweepReach && !question.spins ? sweepOdds(system, question, stop)
                                                                   : simulatedOdds(system, question, stop);
    // No capital beyond the sweep's reach risks more than the swept one, so the
    // simulation's interval is cut there, as the risk curve cuts it.
    if (odds && !odds->exact && !question.spins) {
        const auto swept = sweepOdds(system, question.against(SweepReach), stop);
        if (!swept)
            return std::nullopt;
        const RiskPoint bounded = boundedBy({question.bankroll, odds->ruin, odds->ruinLow, odds->ruinHigh, false},
                                            swept->ruin);
        odds->ruin = bounded.ruin;
        odds->win = 1 - bounded.ruin;
        odds->ruinLow = bounded.low;
        odds->ruinHigh = bounded.high;
    }
    const auto largest = largestStake(system, question, stop);
    if (!odds || !largest)
        return std::nullopt;
    odds->largestStake = *largest;
    const StakeLevel next = StakeLadder(system).level();
    odds->lostBeforeNextSpin = lostBefore(question, next.stake, next.largestCheval, std::llround(system.Partie));
    return odds;
}

} // namespace tavrel
