#include "switch_box.h"

#include "accessible_controls.h"
#include "fonts/fonts.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

namespace tavrel::ui {

namespace {

const int BoxSize = 13;
const int CaptionGap = 5;
const QColor BoxBorder{28, 81, 128};
const QColor HoverRim{248, 179, 48};
const QColor CheckMark{33, 161, 33};

} // namespace

SwitchBox::SwitchBox(int index, const QString& caption, QWidget* parent)
    : PressableWidget(parent)
    , index_(index)
    , caption_(caption)
{
    installAccessibleControls();
    setAccessibleName(caption);
    setFont(fonts::msSansSerif(8.25));
    setFocusPolicy(Qt::StrongFocus);
}

void SwitchBox::setValue(int value)
{
    if (value == value_)
        return;
    const bool checkChanges = (value == 1) != (value_ == 1);
    value_ = value;
    update();
    if (checkChanges) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void SwitchBox::click()
{
    emit clicked(index_);
}

QRect SwitchBox::boxRect() const
{
    return {0, (height() - BoxSize) / 2, BoxSize, BoxSize};
}

void SwitchBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect box = boxRect();

    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, isPressed() ? QColor(176, 176, 167) : QColor(220, 220, 215));
    fill.setColorAt(1, Qt::white);
    painter.fillRect(box, fill);
    if (isHovered()) {
        painter.setPen(QPen(HoverRim, 2));
        painter.drawRect(box.adjusted(2, 2, -1, -1));
    }
    painter.setPen(BoxBorder);
    painter.drawRect(box.adjusted(0, 0, -1, -1));

    if (value_ == 1) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(CheckMark, 2));
        const QPointF tick[] = {box.topLeft() + QPointF(3, 6.5), box.topLeft() + QPointF(5.5, 9),
                                box.topLeft() + QPointF(10, 3.5)};
        painter.drawPolyline(tick, 3);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    const QRect text = rect().adjusted(BoxSize + CaptionGap, 0, 0, 0);
    painter.setPen(palette().windowText().color());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, caption_);
    if (hasFocus()) {
        QRect focus = painter.boundingRect(text, Qt::AlignLeft | Qt::AlignVCenter, caption_).adjusted(-1, 0, 1, 0);
        painter.setPen(QPen(palette().windowText().color(), 1, Qt::DotLine));
        painter.drawRect(focus.intersected(rect().adjusted(0, 0, -1, -1)));
    }
}

void SwitchBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        click();
    else
        QWidget::keyPressEvent(event);
}

} // namespace tavrel::ui
