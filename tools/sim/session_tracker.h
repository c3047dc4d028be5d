#pragma once

#include "run_totals.h"

#include "tavrel/tavrel_system.h"

#include <cstdint>

namespace tavrel::sim {

// One session: the betting system, switched on as a player starts, and the
// running partie's figures taken from the row each spin returns. Its memory
// does not grow with the spins.
class SessionTracker {
public:
    explicit SessionTracker(bool stufeHalten);

    void play(std::int16_t number);
    // Adds the finished session to the totals.
    void finishInto(RunTotals& totals) const;

    const TavrelSystem& system() const { return system_; }

private:
    TavrelSystem system_;
    RunTotals own_;
    std::uint64_t partieSpins_ = 0;
    std::int64_t partieLowest_ = 0;
    bool anyRow_ = false;
    std::int64_t sessionLowest_ = 0;
    std::int64_t largestStake_ = 0;
};

} // namespace tavrel::sim
