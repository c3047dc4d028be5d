#include "tableau_cell.h"
#include "window_controls.h"
#include "window_layout.h"
#include "caption_frame.h"

namespace tavrel::ui {

namespace {

QRect cellGeometry(int number)
{
    if (number == 0)
        return twipsRect(420, 120, 315, 375);
    // Three columns, twelve rows as on the table; neighbours share their border.
    const int column = (number - 1) % 3;
    const int row = (number - 1) / 3;
    return twipsRect(120 + 300 * column, 480 + 300 * row, 315, 315);
}

} // namespace

void addEingabeFrame(WindowControls& controls, QWidget* parent)
{
    auto* outer = new CaptionFrame("Eingabe", parent);
    outer->setGeometry(twipsRect(0, 0, 1455, 5175));

    // Draws nothing: it holds the cells and their tooltip.
    auto* inner = new QWidget(outer);
    inner->setGeometry(twipsRect(120, 480, 1155, 4215));
    inner->setToolTip("klicken Sie auf die Gefallene Plein Zahl!");

    for (int n = 0; n < NumberCount; ++n) {
        auto* cell = new TableauCell(n, inner);
        cell->setObjectName(QString("tableauCell_%1").arg(n));
        cell->setGeometry(cellGeometry(n));
        controls.cells.append(cell);
    }
}

} // namespace tavrel::ui
