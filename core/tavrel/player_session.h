#pragma once

#include "tavrel/coup_row.h"
#include "tavrel/table_event.h"
#include "tavrel/tavrel_system.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace tavrel {

// The player's session at the table: the system, the stake table's rows, and
// the history that lets mis-entered spins be taken back, and every event since
// the start, which is what the evening's file keeps. The window and the replay
// tool both play through here, so they behave alike.
class PlayerSession {
public:
    // How many clicks back the player can go: far more than a table needs, and
    // small enough that the history never weighs on memory in a long session.
    static constexpr std::size_t UndoDepth = 1000;

    const TavrelSystem& system() const { return system_; }
    // Every spin since the start or the last Reset, oldest first; a deque, so
    // that appending never moves the rows already there.
    const std::deque<CoupRow>& rows() const { return rows_; }
    std::int32_t rowCount() const { return static_cast<std::int32_t>(rows_.size()); }

    void clickCell(int number);
    // A switch or Reset ends the chain of clicks that can be taken back.
    void clickSwitch(int index); // 0 "System aktiv", 1 "Stufe halten"
    void reset();                // also empties the stake table

    bool canUndo() const { return !history_.empty(); }
    // Back to the moment before the latest click still remembered, as if it had
    // never been made; does nothing, and returns false, when there is none.
    bool undo();

    // Any of the above, as a line of the evening's file names it.
    void play(TableEvent event);
    // Every event that changed the session, oldest first: an undo that did
    // nothing is left out.
    const std::vector<TableEvent>& events() const { return events_; }

private:
    struct BeforeClick {
        TavrelSystem system;
        std::size_t rowCount;
    };

    TavrelSystem system_;
    std::deque<CoupRow> rows_;
    std::deque<BeforeClick> history_;
    std::vector<TableEvent> events_;
};

} // namespace tavrel
