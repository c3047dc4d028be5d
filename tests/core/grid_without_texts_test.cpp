#include "tavrel/controls/grid_model.h"
#include "checked/runtime_error.h"
#include "tavrel/tavrel_system.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using tavrel::RuntimeError;

// A stake table that keeps no texts still counts, addresses and announces its
// rows as one that does, so the rules run on it unchanged.
TEST(GridWithoutTexts, CountsAndAnnouncesRowsButKeepsNoText)
{
    tavrel::TavrelSystem sys;
    sys.Form_Load();
    auto& grid = sys.Frm_Tavrel.Grid;
    grid.SetKeepsTexts(false);
    std::vector<std::pair<int, int>> writes;
    const auto watching = grid.cellChanged.subscribe([&](int row, int column) { writes.emplace_back(row, column); });

    sys.clickSwitch(0);
    sys.xpLabel_Tableau_Click(5);
    sys.xpLabel_Tableau_Click(4);

    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.CurrentRow(), 2);
    ASSERT_EQ(writes.size(), 14u); // columns 2 to 8 of each row
    EXPECT_EQ(writes.back(), std::make_pair(2, 8));
    EXPECT_EQ(grid.CellText(2, 7), "");
    EXPECT_EQ(sys.Gesamt, 15);

    EXPECT_THROW(grid.SetCellText(3, 1, "x"), RuntimeError);
    EXPECT_THROW(grid.SetCellText(1, 9, "x"), RuntimeError);
    grid.RemoveLastRow();
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.CurrentRow(), 1);
    grid.ClearRows();
    EXPECT_EQ(grid.RowCount(), 0);
    EXPECT_THROW(grid.RemoveLastRow(), RuntimeError);
}

} // namespace
