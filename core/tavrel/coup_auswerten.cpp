#include "tavrel/tavrel_system.h"

#include "checked/checked_math.h"
#include "tavrel/number_text.h"

namespace tavrel {

// Evaluates the spin just recorded. An error ends the evaluation where it
// happens, and the caller records the spin anyway: a half-written row is
// better than a lost one.
void TavrelSystem::Coup_Auswerten()
{
    auto& grid = Frm_Tavrel.Grid;

    Treffer = Anzahl_Pleins > 0 ? "-" : "";

    const std::string fallen = decimalText(Gefallene_Zahl);
    const std::int16_t last = checkedSub(Anzahl_Pleins, std::int16_t{1});
    for (int i = 0; i <= last; ++i) {
        const std::string& item = Frm_Tavrel.List.List(i);
        // Appended in place: a joined temporary per item would cost a fifth of
        // an evaluation.
        if (i == 0)
            Pleins_Gesetzt.assign(" ").append(item);
        else
            Pleins_Gesetzt.append(", ").append(item);
        if (item == fallen)
            Treffer = "Treffer";
    }

    const float payout = Einsatz_Plein(Gefallene_Zahl) * 36.0f;
    Saldo = static_cast<float>(static_cast<double>(payout) - Einsatz);
    Partie = Partie + Saldo;
    // Summed exactly in double before rounding: an int32 plus a float would be
    // a float sum, wrong past 2^24.
    Gesamt = roundToInt<std::int32_t>(static_cast<double>(Gesamt) + static_cast<double>(Saldo));

    grid.SetCellText(grid.RowCount(), 3, Pleins_Gesetzt);
    grid.SetCellText(grid.RowCount(), 4, Treffer);
    grid.SetCellText(grid.RowCount(), 5, blankThen(Einsatz));
    grid.SetCellText(grid.RowCount(), 6, blankThen(Saldo));
    grid.SetCellText(grid.RowCount(), 7, blankThen(Partie));
    grid.SetCellText(grid.RowCount(), 8, blankThen(Gesamt));

    if (Frm_Tavrel.xpCheck.Value(1) != 1 || Treffer == "-") {
        if (Anzahl_Pleins < 20)
            Cheval_Aktivieren();
        else
            Cheval_Erhoehen();
    }

    showAnzahlPleins();
    showStufe();
    Einsatz = sumOfChevalStakes();

    if (Partie > 0) {
        System_Reset();
        startPartie();
    }
}

} // namespace tavrel
