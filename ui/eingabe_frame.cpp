#include "kept_subscription.h"
#include "qt_colour.h"
#include "tableau_cell.h"
#include "twips.h"
#include "window_sections.h"
#include "xp_frame.h"

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

void showCell(TableauCell* cell, const TableauModel::Cell& colours)
{
    cell->setCellNumberColor(toQColor(colours.numberColor));
    cell->setCellBackColor(toQColor(colours.backColor));
}

} // namespace

QList<TableauCell*> addEingabeFrame(PlayerSession& session, QWidget* parent)
{
    auto* outer = new XpFrame("Eingabe", parent);
    outer->setObjectName("xpFrame_0");
    outer->setGeometry(twipsRect(0, 0, 1455, 5175));

    auto* inner = new XpFrame("xpFrame2", outer);
    inner->setObjectName("xpFrame_1");
    inner->setGeometry(twipsRect(120, 480, 1155, 4215));
    inner->setBorderStyle(0);
    inner->setCaptionColor(QColor(0, 70, 213));
    inner->setBorderColor(QColor(191, 184, 191));
    inner->setToolTip("klicken Sie auf die Gefallene Plein Zahl!");

    TableauModel& tableau = session.system.Frm_Tavrel.xpLabel_Tableau;
    QList<TableauCell*> cells;
    for (int n = 0; n < NumberCount; ++n) {
        auto* cell = new TableauCell(n, inner);
        cell->setObjectName(QString("xpLabel_Tableau_%1").arg(n));
        cell->setGeometry(cellGeometry(n));
        showCell(cell, tableau.cell(n));
        QObject::connect(cell, &TableauCell::clicked, cell,
                         [&session](int index) { session.clickCell(static_cast<std::int16_t>(index)); });
        cells.append(cell);
    }
    keepWhile(inner, tableau.cellChanged.subscribe([cells, &tableau](int n) { showCell(cells.at(n), tableau.cell(n)); }));
    return cells;
}

} // namespace tavrel::ui
