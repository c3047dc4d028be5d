#include "window_controls.h"

#include "colour/qt_colour.h"
#include "tableau_cell.h"
#include "switch_box.h"

#include <QLabel>
#include <QListWidget>

namespace tavrel::ui {

namespace {

// Twenty lines fill the list exactly: the most pleins the system plays.
const int ListLineHeight = 13;

void showList(QListWidget* list, const std::vector<std::string>& items)
{
    bool same = list->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < list->count(); ++i)
        same = list->item(i)->text().toStdString() == items[static_cast<std::size_t>(i)];
    if (same)
        return;
    list->clear();
    for (const std::string& item : items) {
        auto* line = new QListWidgetItem(QString::fromStdString(item), list);
        line->setSizeHint(QSize(0, ListLineHeight));
    }
}

// A label keeps its top-left corner and height and sizes its width to the
// caption, on top of the frames it may run over.
void showLabel(QLabel* label, const ControlsSnapshot::Label& shown)
{
    const QString caption = QString::fromStdString(shown.caption);
    if (caption != label->text()) {
        label->setText(caption);
        label->resize(label->fontMetrics().horizontalAdvance(caption) + 1, label->height());
        label->raise();
    }
    label->setVisible(shown.visible);
}

} // namespace

void WindowControls::show(const ControlsSnapshot& shown)
{
    for (int n = 0; n < NumberCount; ++n) {
        cells[n]->setCellNumberColor(toQColor(shown.cells[n].numberColor));
        cells[n]->setCellBackColor(toQColor(shown.cells[n].backColor));
    }
    showList(pleinList, shown.list);
    for (int k = 0; k < ChevalCount; ++k)
        showLabel(chevalLabels[k], shown.chevals[k]);
    showLabel(pleins, shown.pleins);
    showLabel(stufe, shown.stufe);
    for (int i = 0; i < 2; ++i)
        switches[i]->setValue(shown.switches[i]);
}

} // namespace tavrel::ui
