#pragma once

#include "tavrel/controls/tableau_model.h"
#include "tavrel/roulette_numbers.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tavrel {

// What the window's controls show at one moment, the stake table only by its
// size and current row: small enough to take before every click, and enough
// to compare two moments or to go back to an earlier one.
struct ControlsSnapshot {
    struct Label {
        std::string caption;
        bool visible = true;
        bool operator==(const Label&) const = default;
    };

    std::vector<std::string> list;
    std::array<std::int32_t, NumberCount> check{};
    std::array<TableauModel::Cell, NumberCount> cells{};
    std::array<Label, ChevalCount> chevals{};
    Label pleins;
    Label stufe;
    std::array<std::int32_t, 2> switches{};
    std::int32_t rowCount = 0;
    std::int32_t currentRow = 0;

    bool operator==(const ControlsSnapshot&) const = default;
};

} // namespace tavrel
