#pragma once

#include "tavrel/notifier.h"
#include "tavrel/tavrel_system.h"

#include <cstddef>
#include <deque>

namespace tavrel {

// Lets the player take back mis-entered spins. Before each tableau click it
// remembers everything the click may change; undoing restores exactly that and
// removes the click's row. A switch toggle or a reset ends the chain of clicks
// that can be taken back.
class ClickHistory {
public:
    // How many clicks back the player can go: far more than a table needs, and
    // small enough that the history never weighs on memory in a long session.
    static constexpr std::size_t Depth = 1000;

    explicit ClickHistory(TavrelSystem& system);

    void recordBeforeClick();
    void forget();
    bool canUndo() const { return !snapshots_.empty(); }
    void undoLastClick(); // does nothing when there is nothing to take back

    Notifier<bool> availabilityChanged; // whether an undo is possible now

private:
    struct Snapshot {
        M_Tavrel state;
        ControlsSnapshot controls;
    };

    TavrelSystem& system_;
    std::deque<Snapshot> snapshots_;
};

} // namespace tavrel
