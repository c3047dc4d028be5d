#pragma once

#include "played_spin.h"
#include "run_totals.h"

#include <cstdint>

namespace tavrel::sim {

// Follows one session spin by spin, keeping only the running partie's figures:
// its memory does not grow with the spins.
class SessionTracker {
public:
    void record(const PlayedSpin& spin);
    // Adds the finished session to the totals.
    void finishInto(RunTotals& totals) const;

private:
    RunTotals own_;
    std::uint64_t partieSpins_ = 0;
    std::int64_t partieLowest_ = 0;
    bool anyRow_ = false;
    std::int64_t sessionLowest_ = 0;
    std::int64_t largestStake_ = 0;
};

} // namespace tavrel::sim
