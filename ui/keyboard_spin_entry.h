#pragma once

#include "typed_number.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>

class QKeyEvent;
class QWidget;

namespace tavrel::ui {

class TableauCell;

// Entering a spin from the keyboard, anywhere in the window: the digits of a
// number mark its tableau cell, Enter clicks that cell, Escape or a pause
// forgets the digits. Keys it has no use for go on to the focused control.
class KeyboardSpinEntry : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds DefaultPause = std::chrono::seconds(2);

    // `cells` holds the tableau's cells by number; `pause` is how long typed
    // digits wait for the next key.
    KeyboardSpinEntry(QWidget* window, QList<TableauCell*> cells,
                      std::chrono::milliseconds pause = DefaultPause);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(const QKeyEvent& key);
    void forget();
    void showTypedNumber();

    QWidget* window_; // the parent, so it outlives the entry
    QList<QPointer<TableauCell>> cells_;
    TypedNumber typed_;
    QPointer<TableauCell> marked_;
    QTimer pause_;
};

} // namespace tavrel::ui
