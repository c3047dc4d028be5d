#pragma once

#include "tavrel/tavrel_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tavrel::test {

// A freshly started system, as the window's start-up leaves it.
class TableFixture : public ::testing::Test {
protected:
    TableFixture() { sys.Form_Load(); }

    void click(int n) { sys.xpLabel_Tableau_Click(static_cast<std::int16_t>(n)); }
    void clickAll(std::initializer_list<int> numbers) { std::ranges::for_each(numbers, [this](int n) { click(n); }); }
    void aktiv() { sys.clickSwitch(0); }
    void halten() { sys.clickSwitch(1); }

    std::vector<std::string> row(int r) const
    {
        std::vector<std::string> cells;
        for (int c = 1; c <= 8; ++c)
            cells.push_back(sys.Frm_Tavrel.Grid.CellText(r, c));
        return cells;
    }
    std::vector<std::string> lastRow() const { return row(sys.Frm_Tavrel.Grid.RowCount()); }
    const std::vector<std::string>& list() const { return sys.Frm_Tavrel.List.items(); }

    TavrelSystem sys;
};

// A number on no cheval: clicking it is always a miss.
inline constexpr int Miss = 9;

} // namespace tavrel::test
