#include "observable_state.h"

namespace tavrel::test {

ObservableState capture(const TavrelSystem& sys)
{
    const auto& c = sys.Frm_Tavrel;
    ObservableState s{sys, c.List.items(), {}, {c.Lbl_Pleins.Caption(), c.Lbl_Stufe.Caption()}, {}, c.Grid.CurrentRow()};
    for (int n = 0; n < NumberCount; ++n) {
        s.flagsAndColours.push_back(c.Check.Value(n));
        s.flagsAndColours.push_back(c.xpLabel_Tableau.cell(n).numberColor);
        s.flagsAndColours.push_back(c.xpLabel_Tableau.cell(n).backColor);
    }
    for (const auto& label : c.lbl_Cheval) {
        s.captions.push_back(label.Caption());
        s.flagsAndColours.push_back(label.Visible());
    }
    s.flagsAndColours.push_back(c.xpCheck.Value(0));
    s.flagsAndColours.push_back(c.xpCheck.Value(1));
    for (int r = 1; r <= c.Grid.RowCount(); ++r) {
        std::vector<std::string> row;
        for (int col = 1; col <= static_cast<int>(c.Grid.columns().size()); ++col)
            row.push_back(c.Grid.CellText(r, col));
        s.rows.push_back(std::move(row));
    }
    return s;
}

} // namespace tavrel::test
