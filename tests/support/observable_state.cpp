#include "observable_state.h"

namespace tavrel::test {

ObservableState capture(const TavrelSystem& sys)
{
    const auto& grid = sys.Frm_Tavrel.Grid;
    ObservableState s{sys, sys.Frm_Tavrel.snapshot(), {}};
    for (int r = 1; r <= grid.RowCount(); ++r) {
        auto& row = s.rows.emplace_back();
        for (int col = 1; col <= static_cast<int>(grid.columns().size()); ++col)
            row.push_back(grid.CellText(r, col));
    }
    return s;
}

} // namespace tavrel::test
