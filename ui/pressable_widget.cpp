#include "pressable_widget.h"

#include <QMouseEvent>

namespace tavrel::ui {

void PressableWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressed_ = true;
    update();
}

void PressableWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return QWidget::mouseReleaseEvent(event);
    pressed_ = false;
    update();
    if (rect().contains(event->position().toPoint()))
        click();
}

void PressableWidget::enterEvent(QEnterEvent*)
{
    hovered_ = true;
    update();
}

void PressableWidget::leaveEvent(QEvent*)
{
    hovered_ = false;
    update();
}

} // namespace tavrel::ui
