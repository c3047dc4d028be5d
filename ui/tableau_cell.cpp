#include "tableau_cell.h"

#include "accessible_controls.h"
#include "fonts/fonts.h"
#include "tavrel/roulette_numbers.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace tavrel::ui {

namespace {

const QColor OverBack{0, 0, 255};
const QColor HighlightText{255, 255, 255};
const QColor Border{0, 0, 0};

QString colourWord(NumberKind kind)
{
    switch (kind) {
    case NumberKind::Green:
        return "grün";
    case NumberKind::Red:
        return "rot";
    case NumberKind::Black:
        break;
    }
    return "schwarz";
}

} // namespace

TableauCell::TableauCell(int index, QWidget* parent)
    : PressableWidget(parent)
    , index_(index)
{
    installAccessibleControls();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QString("%1 %2").arg(index).arg(colourWord(kindOf(index))));
    // Reachable with Tab for a screen reader; a mouse click still takes no focus.
    setFocusPolicy(Qt::TabFocus);
}

void TableauCell::setCellNumberColor(const QColor& colour)
{
    if (colour == numberColor_)
        return;
    numberColor_ = colour;
    update();
}

void TableauCell::setCellBackColor(const QColor& colour)
{
    if (colour == backColor_)
        return;
    backColor_ = colour;
    update();
}

void TableauCell::setMarked(bool marked)
{
    marked_ = marked;
    update();
}

void TableauCell::click()
{
    emit clicked(index_);
}

TableauCell::State TableauCell::state() const
{
    if (!isEnabled())
        return State::Disabled;
    if (isPressed())
        return State::Pressed;
    if (isHovered() || marked_)
        return State::PointerOver;
    return State::Normal;
}

QColor TableauCell::currentBackColor() const
{
    switch (state()) {
    case State::PointerOver:
        return OverBack;
    case State::Pressed:
        return numberColor_;
    case State::Normal:
    case State::Disabled:
        break;
    }
    return backColor_;
}

QColor TableauCell::currentNumberColor() const
{
    switch (state()) {
    case State::PointerOver:
    case State::Pressed:
        return HighlightText;
    case State::Normal:
    case State::Disabled:
        break;
    }
    return numberColor_;
}

void TableauCell::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), currentBackColor());
    painter.setPen(Border);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(state() == State::Normal ? fonts::msSansSerif(9.75, true) : fonts::msSansSerif(8.25));
    painter.setPen(currentNumberColor());
    painter.drawText(rect(), Qt::AlignCenter, QString::number(index_));
    if (showsFocus_) {
        painter.setPen(QPen(currentNumberColor(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

// Only a cell reached with the keyboard shows a focus frame: the window opens
// with the focus on cell 0, and a frame there would read as a marked number.
void TableauCell::focusInEvent(QFocusEvent* event)
{
    showsFocus_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QWidget::focusInEvent(event); // repaints
}

void TableauCell::focusOutEvent(QFocusEvent* event)
{
    showsFocus_ = false;
    QWidget::focusOutEvent(event); // repaints
}

// Space or Enter enters the spin of a cell that shows the focus, as a click
// would. Cell 0 holds the focus unseen from the start, where Enter after
// refused digits must add nothing; a held key repeats, which is no spin the
// player meant.
void TableauCell::keyPressEvent(QKeyEvent* event)
{
    const bool enters = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enters && showsFocus_ && !event->isAutoRepeat() && !(event->modifiers() & ~Qt::KeypadModifier))
        click();
    else
        PressableWidget::keyPressEvent(event);
}

void TableauCell::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace tavrel::ui
