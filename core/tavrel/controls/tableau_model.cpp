#include "tavrel/controls/tableau_model.h"

namespace tavrel {

TableauModel::TableauModel()
{
    for (int n = 0; n < NumberCount; ++n)
        cells_(n) = {NumberColor(n), FeltGreen};
}

void TableauModel::SetCellNumberColor(long long number, Colour colour)
{
    cells_(number).numberColor = colour;
    cellChanged.notify(static_cast<int>(number));
}

void TableauModel::SetCellBackColor(long long number, Colour colour)
{
    cells_(number).backColor = colour;
    cellChanged.notify(static_cast<int>(number));
}

} // namespace tavrel
