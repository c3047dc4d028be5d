#pragma once

#include "tavrel/m_tavrel.h"
#include "tavrel/main_window_controls.h"

#include <cstdint>

namespace tavrel {

// The betting system: its state, the models of the window's controls, the four
// routines of the rules and the logic of the window's event handlers. A window
// forwards its user events here and shows the control models.
class TavrelSystem : public M_Tavrel {
public:
    // The controls the routines write into, under the window's own name.
    MainWindowControls Frm_Tavrel;

    // Start-up of the window: the eight columns of the stake table, nothing else.
    void Form_Load();

    // The player clicked tableau cell Index (0 to 36): the number that fell.
    void xpLabel_Tableau_Click(std::int16_t Index);
    // The player clicked switch Index: its value flips, then the toggle handler runs.
    void clickSwitch(std::int16_t Index);
    // Toggle handler of the switches, after switch Index has changed its value.
    void xpCheck_Click(std::int16_t Index);
    // "&Reset"; also the first steps of "&Beenden".
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
