#pragma once

#include "tavrel/controls_snapshot.h"
#include "tavrel/player_session.h"
#include "tavrel/tavrel_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tavrel::test {

// A fresh system and the rows its spins gave, as the window shows them.
class TableFixture : public ::testing::Test {
protected:
    void click(int n) { rows.push_back(sys.spin(n)); }
    void clickAll(std::initializer_list<int> numbers) { std::ranges::for_each(numbers, [this](int n) { click(n); }); }
    void aktiv() { sys.switchSystemAktiv(); }
    void halten() { sys.switchStufeHalten(); }

    std::vector<std::string> row(int r) const
    {
        std::vector<std::string> cells;
        for (int c = 0; c < StakeColumnCount; ++c)
            cells.push_back(cellText(rows.at(static_cast<std::size_t>(r - 1)), c));
        return cells;
    }
    std::vector<std::string> lastRow() const { return row(static_cast<int>(rows.size())); }
    ControlsSnapshot shown() const { return controlsShowing(sys, static_cast<std::int32_t>(rows.size())); }
    std::vector<std::string> list() const { return shown().list; }
    std::string caption(int k) const { return shown().chevals[k].caption; }

    TavrelSystem sys;
    std::vector<CoupRow> rows;
};

// A number on no cheval: clicking it is always a miss.
inline constexpr int Miss = 9;

// A player's event by number: 0 to 36 a click, then the two switches, Reset and undo.
inline TableEvent eventOf(int code)
{
    return code < NumberCount ? TableEvent{TableEvent::Kind::Click, static_cast<std::uint8_t>(code)}
                              : TableEvent{static_cast<TableEvent::Kind>(code - NumberCount + 1)};
}

// Everything a player could see or the rules could read.
struct Seen {
    TavrelSystem system;
    std::vector<CoupRow> rows;
    bool operator==(const Seen&) const = default;
};

inline Seen seen(const PlayerSession& session)
{
    return {session.system(), {session.rows().begin(), session.rows().end()}};
}

} // namespace tavrel::test
