#include "tavrel/tavrel_system.h"

#include "checked/checked_math.h"
#include "tavrel/number_text.h"

namespace tavrel {

void TavrelSystem::Form_Load()
{
    auto& grid = Frm_Tavrel.Grid;
    grid.AddColumn("", "Coups", 800);
    grid.AddColumn("", "Plein", 600, 2);
    grid.AddColumn("", "Pleins gesetzt", 5000);
    grid.AddColumn("", "Treffer", 650, 2);
    grid.AddColumn("", "Einsatz", 650);
    grid.AddColumn("", "Saldo", 650);
    grid.AddColumn("", "Partie", 650);
    grid.AddColumn("", "Gesamt", 650);
}

void TavrelSystem::xpLabel_Tableau_Click(std::int16_t Index)
{
    auto& grid = Frm_Tavrel.Grid;
    resumeNext([&] { Gefallene_Zahl = Index; });
    // At the largest count the counter stays put and the spin is still recorded.
    resumeNext([&] { Anzahl_Coups = checkedAdd(Anzahl_Coups, std::int32_t{1}); });
    resumeNext([&] { grid.AddRow(blankThen(Anzahl_Coups)); });
    resumeNext([&] { grid.SetCellText(grid.RowCount(), 2, decimalText(Gefallene_Zahl)); });
    // The evaluation stops at its first error; the handler carries on.
    resumeNext([&] {
        if (Frm_Tavrel.Check.Value(0) == 1)
            Coup_Auswerten();
    });
    resumeNext([&] { grid.SetCurrentRow(grid.RowCount()); });
}

void TavrelSystem::clickSwitch(std::int16_t Index)
{
    auto& switches = Frm_Tavrel.xpCheck;
    resumeNext([&] { switches.SetValue(Index, switches.Value(Index) == 1 ? 0 : 1); });
    xpCheck_Click(Index);
}

void TavrelSystem::xpCheck_Click(std::int16_t Index)
{
    if (Index != 0)
        return; // "Stufe halten" is only read by the evaluation
    if (Frm_Tavrel.xpCheck.Value(0) == 1)
        startPartie();
    else
        clearPleins();
}

void TavrelSystem::M_Reset_Click()
{
    System_Reset();
    Frm_Tavrel.xpCheck.SetValue(0, 0);
    Frm_Tavrel.xpCheck.SetValue(1, 0);
    Frm_Tavrel.Grid.ClearRows();
}

} // namespace tavrel
