#pragma once

#include "played_spin.h"
#include "tavrel/tavrel_system.h"

#include <cstdint>

namespace tavrel::sim {

// One player's table: the betting system itself, started as the window starts
// it and switched on, with a stake table that keeps no texts. Each click tells
// what the spin's row received. Not copyable: the stake table's notifications
// point back here.
class ObservedTable {
public:
    explicit ObservedTable(bool stufeHalten);
    ObservedTable(const ObservedTable&) = delete;
    ObservedTable& operator=(const ObservedTable&) = delete;

    PlayedSpin click(std::int16_t number);

    const TavrelSystem& system() const { return system_; }

private:
    TavrelSystem system_;
    PlayedSpin current_;
    Subscription rowWatch_;
};

} // namespace tavrel::sim
