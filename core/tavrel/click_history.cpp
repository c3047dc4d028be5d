#include "tavrel/click_history.h"

namespace tavrel {

ClickHistory::ClickHistory(TavrelSystem& system)
    : system_(system)
{
}

void ClickHistory::recordBeforeClick()
{
    const auto& c = system_.Frm_Tavrel;
    Snapshot s{system_, c.List.items(), {}, {}, {}, c.Lbl_Pleins.Caption(), c.Lbl_Stufe.Caption(), c.Grid.RowCount()};
    for (int n = 0; n < NumberCount; ++n) {
        s.check[n] = c.Check.Value(n);
        s.cells[n] = c.xpLabel_Tableau.cell(n);
    }
    for (int k = 0; k < ChevalCount; ++k)
        s.chevalLabels[k] = c.lbl_Cheval(k);
    const bool wasEmpty = snapshots_.empty();
    snapshots_.push_back(std::move(s));
    if (snapshots_.size() > Depth)
        snapshots_.pop_front();
    if (wasEmpty)
        availabilityChanged.notify(true);
}

void ClickHistory::forget()
{
    if (snapshots_.empty())
        return;
    snapshots_.clear();
    availabilityChanged.notify(false);
}

void ClickHistory::undoLastClick()
{
    if (snapshots_.empty())
        return;
    restore(snapshots_.back());
    snapshots_.pop_back();
    if (snapshots_.empty())
        availabilityChanged.notify(false);
}

// Writes back through the models' own operations, and only what differs, so
// that a window showing them follows.
void ClickHistory::restore(const Snapshot& s)
{
    auto& c = system_.Frm_Tavrel;
    static_cast<M_Tavrel&>(system_) = s.state;
    if (c.List.items() != s.list) {
        c.List.Clear();
        for (const auto& item : s.list)
            c.List.AddItem(item);
    }
    for (int n = 0; n < NumberCount; ++n) {
        if (c.Check.Value(n) != s.check[n])
            c.Check.SetValue(n, s.check[n]);
        const auto& cell = c.xpLabel_Tableau.cell(n);
        if (cell.numberColor != s.cells[n].numberColor)
            c.xpLabel_Tableau.SetCellNumberColor(n, s.cells[n].numberColor);
        if (cell.backColor != s.cells[n].backColor)
            c.xpLabel_Tableau.SetCellBackColor(n, s.cells[n].backColor);
    }
    for (int k = 0; k < ChevalCount; ++k) {
        auto& label = c.lbl_Cheval(k);
        if (label.Caption() != s.chevalLabels[k].Caption())
            label.SetCaption(s.chevalLabels[k].Caption());
        if (label.Visible() != s.chevalLabels[k].Visible())
            label.SetVisible(s.chevalLabels[k].Visible());
    }
    if (c.Lbl_Pleins.Caption() != s.lblPleins)
        c.Lbl_Pleins.SetCaption(s.lblPleins);
    if (c.Lbl_Stufe.Caption() != s.lblStufe)
        c.Lbl_Stufe.SetCaption(s.lblStufe);
    while (c.Grid.RowCount() > s.rowCount)
        c.Grid.RemoveLastRow();
}

} // namespace tavrel
