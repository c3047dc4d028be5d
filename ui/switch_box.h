#pragma once

#include <QString>
#include "pressable_widget.h"

namespace tavrel::ui {

// A two-state check box in the XP look. A click does not change the box: it
// reports the box's index, and the box shows whatever value it is given. So a
// value set by the program is never taken for the user's click. A screen reader
// sees a check box named by its caption.
class SwitchBox : public PressableWidget {
    Q_OBJECT

public:
    SwitchBox(int index, const QString& caption, QWidget* parent = nullptr);

    int index() const { return index_; }
    QString caption() const { return caption_; }
    int value() const { return value_; }
    void setValue(int value);

    void click() override;

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect boxRect() const;

    int index_;
    QString caption_;
    int value_ = 0;
};

} // namespace tavrel::ui
