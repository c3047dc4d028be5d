#include "tavrel/main_window_controls.h"

namespace tavrel {

namespace {

ControlsSnapshot::Label labelOf(const LabelModel& label)
{
    return {label.Caption(), label.Visible()};
}

void restoreLabel(LabelModel& label, const ControlsSnapshot::Label& earlier)
{
    if (label.Caption() != earlier.caption)
        label.SetCaption(earlier.caption);
    if (label.Visible() != earlier.visible)
        label.SetVisible(earlier.visible);
}

} // namespace

ControlsSnapshot MainWindowControls::snapshot() const
{
    ControlsSnapshot s;
    s.list = List.items();
    for (int n = 0; n < NumberCount; ++n) {
        s.check[n] = Check.Value(n);
        s.cells[n] = xpLabel_Tableau.cell(n);
    }
    for (int k = 0; k < ChevalCount; ++k)
        s.chevals[k] = labelOf(lbl_Cheval(k));
    s.pleins = labelOf(Lbl_Pleins);
    s.stufe = labelOf(Lbl_Stufe);
    s.switches = {xpCheck.Value(0), xpCheck.Value(1)};
    s.rowCount = Grid.RowCount();
    s.currentRow = Grid.CurrentRow();
    return s;
}

void MainWindowControls::restore(const ControlsSnapshot& earlier)
{
    if (List.items() != earlier.list) {
        List.Clear();
        for (const auto& item : earlier.list)
            List.AddItem(item);
    }
    for (int n = 0; n < NumberCount; ++n) {
        if (Check.Value(n) != earlier.check[n])
            Check.SetValue(n, earlier.check[n]);
        const auto& cell = xpLabel_Tableau.cell(n);
        if (cell.numberColor != earlier.cells[n].numberColor)
            xpLabel_Tableau.SetCellNumberColor(n, earlier.cells[n].numberColor);
        if (cell.backColor != earlier.cells[n].backColor)
            xpLabel_Tableau.SetCellBackColor(n, earlier.cells[n].backColor);
    }
    for (int k = 0; k < ChevalCount; ++k)
        restoreLabel(lbl_Cheval(k), earlier.chevals[k]);
    restoreLabel(Lbl_Pleins, earlier.pleins);
    restoreLabel(Lbl_Stufe, earlier.stufe);
    for (int i = 0; i < 2; ++i)
        if (xpCheck.Value(i) != earlier.switches[i])
            xpCheck.SetValue(i, earlier.switches[i]);
    while (Grid.RowCount() > earlier.rowCount)
        Grid.RemoveLastRow();
    if (Grid.CurrentRow() != earlier.currentRow && earlier.currentRow > 0)
        Grid.SetCurrentRow(earlier.currentRow);
}

} // namespace tavrel
