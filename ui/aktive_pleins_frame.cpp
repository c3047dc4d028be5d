#include "window_controls.h"
#include "window_layout.h"

#include <QCheckBox>
#include <QGroupBox>

namespace tavrel::ui {

namespace {

QRect checkGeometry(int number)
{
    if (number == 0)
        return twipsRect(720, 360, 855, 255);
    // Three columns with a gap between the dozens.
    const int column = (number - 1) % 3;
    const int row = (number - 1) / 3;
    return twipsRect(240 + 480 * column, 600 + 240 * row + 120 * (row / 4), 495, 255);
}

} // namespace

void addAktivePleinsFrame(WindowControls& controls, QWidget* parent)
{
    auto* frame = new QGroupBox("aktive Pleins", parent);
    frame->setObjectName("aktivePleinsFrame");
    frame->setGeometry(twipsRect(120, 6600, 1815, 3855));
    frame->setEnabled(false);
    frame->hide();

    for (int n = 0; n < NumberCount; ++n) {
        auto* box = new QCheckBox(QString::number(n), frame);
        box->setObjectName(QString("pleinBox_%1").arg(n));
        box->setGeometry(checkGeometry(n));
        controls.pleinBoxes.append(box);
    }
}

} // namespace tavrel::ui
