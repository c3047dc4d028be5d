#include "tavrel/tavrel_system.h"

#include "checked/checked_math.h"

namespace tavrel {

// Starts a partie with cheval 0,2 at one unit: the same steps whether the
// player switched the system on or a won partie restarts it.
void TavrelSystem::startPartie()
{
    auto& c = Frm_Tavrel;
    c.List.AddItem("0");
    c.List.AddItem("2");
    c.Check.SetValue(0, 1);
    c.Check.SetValue(2, 1);
    c.xpLabel_Tableau.SetCellBackColor(0, Yellow);
    c.xpLabel_Tableau.SetCellBackColor(2, Yellow);
    Einsatz_Cheval(0) = 1;
    Einsatz_Plein(0) = static_cast<float>(Einsatz_Cheval(0)) / 2;
    Einsatz_Plein(2) = static_cast<float>(Einsatz_Cheval(0)) / 2;
    showChevalCaption(0);
    c.lbl_Cheval(0).SetVisible(true);
    resumeNext([&] { Anzahl_Pleins = checkedNarrow<std::int16_t>(c.List.ListCount()); });
    showAnzahlPleins();
    Stufe = 1;
    showStufe();
    resumeNext([&] { Einsatz = sumOfChevalStakes(); });
}

// No pleins, no chevals, no stakes, Stufe 0, every cell in its start-up colours.
// Switching the system off does exactly this; the reset also zeroes the balances.
void TavrelSystem::clearPleins()
{
    auto& c = Frm_Tavrel;
    c.List.Clear();
    for (int n = 0; n < NumberCount; ++n) {
        c.Check.SetValue(n, 0);
        c.xpLabel_Tableau.SetCellNumberColor(n, NumberColor(n));
        c.xpLabel_Tableau.SetCellBackColor(n, FeltGreen);
        Einsatz_Plein(n) = 0;
    }
    for (int k = 0; k < ChevalCount; ++k) {
        Einsatz_Cheval(k) = 0;
        c.lbl_Cheval(k).SetVisible(false);
    }
    resumeNext([&] { Anzahl_Pleins = checkedNarrow<std::int16_t>(c.List.ListCount()); });
    showAnzahlPleins();
    Stufe = 0;
    showStufe();
    resumeNext([&] { Einsatz = sumOfChevalStakes(); });
}

void TavrelSystem::System_Reset()
{
    clearPleins();
    Saldo = 0;
    Partie = 0;
}

} // namespace tavrel
