#include "session_tracker.h"

#include <algorithm>

namespace tavrel::sim {

void SessionTracker::record(const PlayedSpin& spin)
{
    ++own_.spins;
    own_.stoppedEvaluations += spin.evaluationStopped;
    own_.stuckSpinCounters += spin.spinCounterStuck;
    if (!spin.evaluated)
        return;

    own_.turnover += spin.einsatz;
    own_.result += spin.saldo;
    largestStake_ = anyRow_ ? std::max<std::int64_t>(largestStake_, spin.einsatz) : spin.einsatz;
    sessionLowest_ = anyRow_ ? std::min(sessionLowest_, spin.partie) : spin.partie;
    anyRow_ = true;

    partieLowest_ = partieSpins_ == 0 ? spin.partie : std::min(partieLowest_, spin.partie);
    ++partieSpins_;
    if (spin.partieEnded) {
        ++own_.partiesCompleted;
        own_.partieLengths.add(static_cast<std::int64_t>(partieSpins_));
        own_.partieDrawdowns.add(-partieLowest_);
        partieSpins_ = 0;
    }
}

void SessionTracker::finishInto(RunTotals& totals) const
{
    totals.merge(own_);
    ++totals.sessions;
    totals.partiesOpen += partieSpins_ > 0;
    if (anyRow_) {
        totals.largestStakes.add(largestStake_);
        totals.sessionDrawdowns.add(-sessionLowest_);
    }
}

} // namespace tavrel::sim
