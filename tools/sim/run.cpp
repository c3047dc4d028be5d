#include "sim.h"

#include "tavrel/partie_rule.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace tavrel::sim {

Session::Session(const Play& play)
    : play_(play)
{
    system_.switchSystemAktiv();
    if (play_.stufeHalten)
        system_.switchStufeHalten();
}

Session::Session(const TavrelSystem& start)
    : system_(start)
{
}

namespace {

// Only the table limit: what each bankroll can pay is counted from the
// session's capital need afterwards.
bool passesTableLimit(const TavrelSystem& system, const Play& play)
{
    if (!play.limit || !system.partieRuns())
        return false;
    const OddsQuestion question(std::numeric_limits<std::int64_t>::max(), *play.limit);
    const auto& chevals = system.Einsatz_Cheval;
    return lostBefore(question, system.Einsatz, *std::max_element(chevals.begin(), chevals.end()),
                      std::llround(system.Partie)) == LostBefore::TableLimit;
}

} // namespace

void Session::play(std::int16_t number)
{
    if (!stoppedAt_ && passesTableLimit(system_, play_))
        giveUpPartie();
    const bool partieRan = system_.partieRuns();
    const std::int64_t balanceBefore = std::llround(system_.Partie);
    const std::int32_t coupsBefore = system_.Anzahl_Coups;
    const CoupRow row = system_.spin(number);
    ++own_.spins;
    own_.stuckSpinCounters += row.coup == coupsBefore;
    if (stoppedAt_)
        return;
    if (!row.evaluated) {
        // An overflow stopped the evaluation before the row was written; a
        // later hit may fit again, but the window's figures are broken by then.
        if (partieRan)
            stoppedAt_ = own_.spins;
        return;
    }

    const auto partie = static_cast<std::int64_t>(row.partie);
    ++own_.evaluatedSpins;
    own_.turnover += row.einsatz;
    own_.result += static_cast<std::int64_t>(row.saldo);
    largestStake_ = std::max<std::int64_t>(largestStake_, row.einsatz);
    capitalNeed_ = std::max(capitalNeed_, capitalNeeded(row.einsatz, balanceBefore));

    partieLowest_ = partieSpins_ == 0 ? partie : std::min(partieLowest_, partie);
    ++partieSpins_;
    // The system has ended a won partie and set the balance back for the next.
    if (partieWon(partie) && system_.Partie == 0)
        endPartie();
}

void Session::endPartie()
{
    ++own_.partiesCompleted;
    own_.partieLengths.add(static_cast<std::int64_t>(partieSpins_));
    own_.partieDrawdowns.add(-partieLowest_);
    partieSpins_ = 0;
}

// The player's own events: the partie's loss stays in Gesamt and in the result.
void Session::giveUpPartie()
{
    ++own_.partiesGivenUp;
    endPartie();
    system_.reset();
    system_.switchSystemAktiv();
    if (play_.stufeHalten)
        system_.switchStufeHalten();
}

void Session::finishInto(RunTotals& totals) const
{
    totals.merge(own_);
    ++totals.sessions;
    if (partieSpins_ > 0) {
        totals.openLengths.add(static_cast<std::int64_t>(partieSpins_));
        totals.openDrawdowns.add(-partieLowest_);
    }
    if (own_.evaluatedSpins > 0) {
        totals.largestStakes.add(largestStake_);
        totals.capitalNeeds.add(capitalNeed_);
    }
    if (stoppedAt_) {
        ++totals.stoppedSessions;
        totals.firstStopSpin = std::min(totals.firstStopSpin.value_or(*stoppedAt_), *stoppedAt_);
    }
}

namespace {

// Spins are played in blocks, between which the stop request is checked and
// the progress published: neither costs a spin anything then.
constexpr std::uint64_t Block = 4096;

// Plays session `index`; false if the stop request cut it short.
bool playSession(const Wheels& wheels, std::uint64_t index, const Play& rules, RunControl control, RunTotals& totals)
{
    Session session(rules);
    const auto play = [&](std::uint64_t count, auto&& nextNumber) {
        for (std::uint64_t done = 0; done < count;) {
            if (control.stop.load(std::memory_order_relaxed))
                return false;
            const std::uint64_t block = std::min(count - done, Block);
            for (std::uint64_t i = 0; i < block; ++i)
                session.play(nextNumber());
            control.spinsDone.fetch_add(block, std::memory_order_relaxed);
            done += block;
        }
        return true;
    };

    bool finished;
    if (wheels.recorded.empty()) {
        FairWheel wheel(wheels.seed, index);
        finished = play(wheels.spinsPerSession, [&] { return wheel.spin(); });
    } else {
        const auto& spins = wheels.recorded[index];
        finished = play(spins.size(), [&, next = std::size_t{0}]() mutable { return spins[next++]; });
    }
    if (finished)
        session.finishInto(totals);
    return finished;
}

} // namespace

RunOutcome runSessions(const Wheels& wheels, const Play& play, unsigned threads, RunControl control)
{
    std::atomic<std::uint64_t> nextSession{0};
    RunOutcome outcome;
    std::mutex merging;

    auto worker = [&] {
        RunTotals own;
        for (std::uint64_t index; (index = nextSession.fetch_add(1)) < wheels.sessions;) {
            if (!playSession(wheels, index, play, control, own))
                break;
        }
        const std::lock_guard lock(merging);
        outcome.totals.merge(own);
    };

    outcome.threadsWanted =
        static_cast<unsigned>(std::clamp<std::uint64_t>(std::min(threads, MaxThreads), 1, std::max<std::uint64_t>(wheels.sessions, 1)));
    std::vector<std::jthread> pool;
    try {
        while (pool.size() + 1 < outcome.threadsWanted)
            pool.emplace_back(worker);
    } catch (const std::system_error&) {
        // The sessions are shared out as the threads ask, so fewer threads
        // give the same report, only later.
    }
    outcome.threadsStarted = static_cast<unsigned>(pool.size() + 1);
    worker();
    pool.clear();
    outcome.partial = outcome.totals.sessions < wheels.sessions;
    return outcome;
}

} // namespace tavrel::sim
