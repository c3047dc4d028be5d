#include "run_totals.h"

namespace tavrel::sim {

void RunTotals::merge(const RunTotals& other)
{
    sessions += other.sessions;
    spins += other.spins;
    partiesCompleted += other.partiesCompleted;
    partiesOpen += other.partiesOpen;
    turnover += other.turnover;
    result += other.result;
    partieLengths.merge(other.partieLengths);
    partieDrawdowns.merge(other.partieDrawdowns);
    largestStakes.merge(other.largestStakes);
    sessionDrawdowns.merge(other.sessionDrawdowns);
    stoppedEvaluations += other.stoppedEvaluations;
    stuckSpinCounters += other.stuckSpinCounters;
}

} // namespace tavrel::sim
