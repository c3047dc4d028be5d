#include "simulation.h"

#include "fair_wheel.h"
#include "session_tracker.h"

#include <algorithm>
#include <mutex>
#include <thread>
#include <vector>

namespace tavrel::sim {

namespace {

// Progress is published in batches so the threads do not fight over one counter.
constexpr std::uint64_t ProgressBatch = 4096;

// Plays session `index`; false if the stop request cut it short.
bool playSession(const Wheels& wheels, std::uint64_t index, bool stufeHalten, RunControl control,
                 RunTotals& totals)
{
    SessionTracker tracker(stufeHalten);
    std::uint64_t unpublished = 0;
    auto play = [&](std::int16_t number) {
        if (control.stop.load(std::memory_order_relaxed))
            return false;
        tracker.play(number);
        if (++unpublished == ProgressBatch) {
            control.spinsDone.fetch_add(unpublished, std::memory_order_relaxed);
            unpublished = 0;
        }
        return true;
    };

    bool finished = true;
    if (wheels.recorded.empty()) {
        FairWheel wheel(wheels.seed, index);
        for (std::uint64_t i = 0; i < wheels.spinsPerSession && finished; ++i)
            finished = play(wheel.spin());
    } else {
        for (const std::int16_t number : wheels.recorded[index])
            if (!(finished = play(number)))
                break;
    }
    control.spinsDone.fetch_add(unpublished, std::memory_order_relaxed);
    if (finished)
        tracker.finishInto(totals);
    return finished;
}

} // namespace

RunOutcome runSessions(const Wheels& wheels, bool stufeHalten, unsigned threads, RunControl control)
{
    std::atomic<std::uint64_t> nextSession{0};
    RunOutcome outcome;
    std::mutex merging;

    auto worker = [&] {
        RunTotals own;
        for (std::uint64_t index; (index = nextSession.fetch_add(1)) < wheels.sessions;) {
            if (!playSession(wheels, index, stufeHalten, control, own))
                break;
        }
        const std::lock_guard lock(merging);
        outcome.totals.merge(own);
    };

    const auto count = static_cast<unsigned>(std::min<std::uint64_t>(std::max(threads, 1u), wheels.sessions));
    std::vector<std::jthread> pool;
    for (unsigned t = 1; t < count; ++t)
        pool.emplace_back(worker);
    worker();
    pool.clear();
    // A stop request leaves sessions unfinished, and only then.
    outcome.partial = outcome.totals.sessions < wheels.sessions;
    return outcome;
}

} // namespace tavrel::sim
