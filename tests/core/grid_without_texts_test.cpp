#include "checked/runtime_error.h"
#include "tavrel/tavrel_system.h"

#include <gtest/gtest.h>

// The simulator's table keeps no texts; its own tests show that every write is
// still announced.
TEST(GridWithoutTexts, CountsAndChecksRowsButKeepsNoText)
{
    tavrel::TavrelSystem sys;
    sys.Form_Load();
    auto& grid = sys.Frm_Tavrel.Grid;
    grid.SetKeepsTexts(false);
    sys.clickSwitch(0);
    sys.xpLabel_Tableau_Click(5);
    sys.xpLabel_Tableau_Click(4);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.CurrentRow(), 2);
    EXPECT_EQ(grid.CellText(2, 7), "");
    EXPECT_EQ(sys.Gesamt, 15);

    EXPECT_THROW(grid.SetCellText(3, 1, "x"), tavrel::RuntimeError);
    EXPECT_THROW(grid.SetCellText(1, 9, "x"), tavrel::RuntimeError);
    grid.RemoveLastRow();
    EXPECT_EQ(grid.CurrentRow(), 1);
    grid.ClearRows();
    EXPECT_THROW(grid.RemoveLastRow(), tavrel::RuntimeError);
}
