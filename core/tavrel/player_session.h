#pragma once

#include "tavrel/click_history.h"
#include "tavrel/tavrel_system.h"

#include <cstdint>

namespace tavrel {

// The player's events at the table, each handed to the system's own handler,
// plus the history that lets mis-entered spins be taken back. Window and replay
// tool both go through here, so they behave alike.
class PlayerSession {
public:
    TavrelSystem system;
    ClickHistory history{system};

    void clickCell(std::int16_t number)
    {
        history.recordBeforeClick();
        system.xpLabel_Tableau_Click(number);
    }

    void clickSwitch(std::int16_t index)
    {
        history.forget();
        system.clickSwitch(index);
    }

    void reset()
    {
        history.forget();
        system.M_Reset_Click();
    }

    void undo() { history.undoLastClick(); }
};

} // namespace tavrel
