#pragma once

#include <QColor>
#include "pressable_widget.h"

namespace tavrel::ui {

// One cell of the roulette tableau: shows its number, reports its index when
// clicked. Its look follows four states; the number's colour is the text in the
// normal and disabled states and the background while pressed. A screen reader
// speaks it as its number and colour, "17 schwarz".
class TableauCell : public PressableWidget {
    Q_OBJECT

public:
    enum class State { Normal, PointerOver, Pressed, Disabled };

    TableauCell(int index, QWidget* parent = nullptr);

    int index() const { return index_; }
    void setCellNumberColor(const QColor& colour);
    void setCellBackColor(const QColor& colour);
    QColor cellNumberColor() const { return numberColor_; }
    QColor cellBackColor() const { return backColor_; }

    // A marked cell looks as if the pointer were over it: the number being
    // typed on the keyboard.
    void setMarked(bool marked);
    bool isMarked() const { return marked_; }

    State state() const;
    QColor currentBackColor() const;
    QColor currentNumberColor() const;

    void click() override;

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int index_;
    QColor numberColor_;
    QColor backColor_;
    bool marked_ = false;
    bool showsFocus_ = false;
};

} // namespace tavrel::ui
