#pragma once

#include "tavrel/bounded_array.h"
#include "tavrel/colours.h"
#include "tavrel/notifier.h"
#include "tavrel/roulette_numbers.h"

namespace tavrel {

// The colours of the 37 tableau cells, indexed by the number each shows.
class TableauModel {
public:
    struct Cell {
        Colour numberColor;
        Colour backColor;
        bool operator==(const Cell&) const = default;
    };

    TableauModel();

    void SetCellNumberColor(long long number, Colour colour);
    void SetCellBackColor(long long number, Colour colour);
    const Cell& cell(long long number) const { return cells_(number); }

    Notifier<int> cellChanged;

private:
    BoundedArray<Cell, NumberCount> cells_;
};

} // namespace tavrel
