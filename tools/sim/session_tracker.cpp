#include "session_tracker.h"

#include <algorithm>

namespace tavrel::sim {

SessionTracker::SessionTracker(bool stufeHalten)
{
    system_.switchSystemAktiv();
    if (stufeHalten)
        system_.switchStufeHalten();
}

void SessionTracker::play(std::int16_t number)
{
    const bool partieRan = system_.partieRuns();
    const std::int32_t coupsBefore = system_.Anzahl_Coups;
    const CoupRow row = system_.spin(number);
    ++own_.spins;
    own_.stuckSpinCounters += row.coup == coupsBefore;
    if (!row.evaluated) {
        // An overflow stopped the evaluation before the row was written.
        own_.stoppedEvaluations += partieRan;
        return;
    }

    const auto partie = static_cast<std::int64_t>(row.partie);
    own_.turnover += row.einsatz;
    own_.result += static_cast<std::int64_t>(row.saldo);
    largestStake_ = anyRow_ ? std::max<std::int64_t>(largestStake_, row.einsatz) : row.einsatz;
    sessionLowest_ = anyRow_ ? std::min(sessionLowest_, partie) : partie;
    anyRow_ = true;

    partieLowest_ = partieSpins_ == 0 ? partie : std::min(partieLowest_, partie);
    ++partieSpins_;
    // A partie ends when its row shows a balance above 0 and the system has
    // set the balance back for the next one.
    if (partie > 0 && system_.Partie == 0) {
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
