#pragma once

#include "colour/colour.h"
#include "tavrel/coup_row.h"
#include "tavrel/roulette_numbers.h"
#include "tavrel/tavrel_system.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavrel {

// What the main window's controls show of the system, the stake table only by
// its size and current row: one value to show, to compare two moments by, or
// to read a window back into.
struct ControlsSnapshot {
    struct Label {
        std::string caption;
        bool visible = true;
        bool operator==(const Label&) const = default;
    };
    struct Cell {
        Colour numberColor = Black;
        Colour backColor = FeltGreen;
        bool operator==(const Cell&) const = default;
    };

    std::vector<std::string> list;                 // the active pleins, in order
    // 1 = the number is an active plein; no control shows it, tavrel-replay's dump does
    std::array<std::int32_t, NumberCount> check{};
    std::array<Cell, NumberCount> cells{};         // the tableau's colours
    std::array<Label, ChevalCount> chevals{};
    Label pleins;
    Label stufe;
    std::array<std::int32_t, 2> switches{}; // "System aktiv", "Stufe halten"
    std::int32_t rowCount = 0;
    std::int32_t currentRow = 0; // 0 when no row is current

    bool operator==(const ControlsSnapshot&) const = default;
};

// The colour a tableau cell shows its number in.
constexpr Colour NumberColor(int number)
{
    switch (kindOf(number)) {
    case NumberKind::Green:
        return BrightGreen;
    case NumberKind::Red:
        return Red;
    case NumberKind::Black:
        break;
    }
    return Black;
}

// The controls as they show `system`, with a stake table of `rowCount` rows
// whose newest is the current one.
ControlsSnapshot controlsShowing(const TavrelSystem& system, std::int32_t rowCount);

// The stake table's eight columns as they read: "Coups", "Plein",
// "Pleins gesetzt", "Treffer", "Einsatz", "Saldo", "Partie", "Gesamt".
inline constexpr int StakeColumnCount = 8;
std::string cellText(const CoupRow& row, int column); // column 0 to 7

// The texts of the latest evaluation, as the system keeps them.
std::string pleinsGesetztText(std::int16_t pleins);
std::string trefferText(Treffer treffer);

} // namespace tavrel
