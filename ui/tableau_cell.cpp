#include "tableau_cell.h"

#include "fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavrel::ui {

namespace {

const QColor OverBack{0, 0, 255};
const QColor HighlightText{255, 255, 255};
const QColor Border{0, 0, 0};

} // namespace

TableauCell::TableauCell(int index, QWidget* parent)
    : QWidget(parent)
    , index_(index)
{
    setAttribute(Qt::WA_Hover);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableauCell::setCellNumberColor(const QColor& colour)
{
    numberColor_ = colour;
    update();
}

void TableauCell::setCellBackColor(const QColor& colour)
{
    backColor_ = colour;
    update();
}

TableauCell::State TableauCell::state() const
{
    if (!isEnabled())
        return State::Disabled;
    if (pressed_)
        return State::Pressed;
    if (hovered_)
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
    painter.setFont(state() == State::Normal ? msSansSerif(9.75, true) : msSansSerif(8.25));
    painter.setPen(currentNumberColor());
    painter.drawText(rect(), Qt::AlignCenter, QString::number(index_));
}

void TableauCell::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressed_ = true;
    update();
}

void TableauCell::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return QWidget::mouseReleaseEvent(event);
    pressed_ = false;
    update();
    if (rect().contains(event->position().toPoint()))
        emit clicked(index_);
}

void TableauCell::enterEvent(QEnterEvent*)
{
    hovered_ = true;
    update();
}

void TableauCell::leaveEvent(QEvent*)
{
    hovered_ = false;
    update();
}

void TableauCell::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace tavrel::ui
