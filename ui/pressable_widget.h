#pragma once

#include <QWidget>

namespace tavrel::ui {

// A control clicked the way a button is: pressed with the left button and
// released over itself. It keeps whether it is pressed and under the pointer,
// which its look follows.
class PressableWidget : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Does what a mouse click on the control does.
    virtual void click() = 0;

protected:
    bool isPressed() const { return pressed_; }
    bool isHovered() const { return hovered_; }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool pressed_ = false;
    bool hovered_ = false;
};

} // namespace tavrel::ui
