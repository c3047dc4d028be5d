#pragma once

#include "tavrel/m_tavrel.h"
#include "tavrel/main_window_controls.h"

#include <cstdint>

namespace tavrel {

// The betting system: the state, the models of the window's controls and every
// rule, so that the rules run and are tested without a window. A window only
// forwards the player's events here and shows the models.
class TavrelSystem : public M_Tavrel {
public:
    // Named after the window the models stand for, since the rules address
    // the controls through it.
    MainWindowControls Frm_Tavrel;

    // The window's start-up: the stake table's columns.
    void Form_Load();

    // The player clicked tableau cell Index (0 to 36): the number that fell.
    void xpLabel_Tableau_Click(std::int16_t Index);
    // The player clicked switch Index: its value flips, then the toggle handler runs.
    void clickSwitch(std::int16_t Index);
    // Toggle handler of the switches, after switch Index has changed its value.
    void xpCheck_Click(std::int16_t Index);
    // The menu's Reset; Beenden runs it too before the program ends.
    void M_Reset_Click();

    void Coup_Auswerten();
    void System_Reset();
    void Cheval_Aktivieren();
    void Cheval_Erhoehen();

private:
    void startPartie();
    void clearPleins();
    std::int32_t sumOfChevalStakes() const;
    void showAnzahlPleins();
    void showStufe();
    void showChevalCaption(int k);
};

} // namespace tavrel
