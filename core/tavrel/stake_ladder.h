#pragma once

#include "tavrel/partie_rule.h"
#include "tavrel/tavrel_system.h"

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

namespace tavrel {

// What one spin can do to a running partie: its gain in units, how many of the
// 37 numbers give it, and whether the kernel counts it as a hit.
struct SpinOutcome {
    std::int64_t gain;
    int numbers;
    bool hit;
};

// The stakes of one spin of the running partie and what each number pays,
// read from the kernel by spinning every number on a copy.
struct StakeLevel {
    std::int32_t stake = 0;          // Einsatz: every unit on the table
    std::int32_t largestCheval = 0;  // the largest cheval's units
    std::vector<SpinOutcome> outcomes;
};

// The partie's progression as a ladder of levels: level a is the system after
// a advances. A miss always climbs one level, and so does a hit unless "Stufe
// halten" holds it; so every look-ahead needs only this ladder and the balance.
class StakeLadder {
public:
    explicit StakeLadder(const TavrelSystem& from);

    const StakeLevel& level() const { return level_; }
    void climb();

private:
    void read();

    TavrelSystem system_;
    int missNumber_ = 0;
    StakeLevel level_;
};

// The largest stake that the partie, from the system's state, can still ask
// for before it is lost: the ladder's stakes that the capital pays from a
// balance of 0, up to the first level the table does not take; 0 when it is
// lost before its next spin. An upper bound: no path of the partie ever
// stakes more. Nothing when `stop` was requested.
std::optional<std::int64_t> largestStake(const TavrelSystem& system, const OddsQuestion& question,
                                         std::stop_token stop = {});

} // namespace tavrel
