#pragma once

#include "run_totals.h"
#include "wheels.h"

#include <atomic>
#include <cstdint>

namespace tavrel::sim {

struct RunControl {
    const std::atomic<bool>& stop;         // checked between spins
    std::atomic<std::uint64_t>& spinsDone; // for the progress line
};

struct RunOutcome {
    RunTotals totals; // the sessions that finished
    bool partial = false;
};

// Plays every session on its own table, spread over the threads. A session cut
// short by the stop request counts for nothing.
RunOutcome runSessions(const Wheels& wheels, bool stufeHalten, unsigned threads, RunControl control);

} // namespace tavrel::sim
