#include "keyboard_spin_entry.h"

#include "tableau_cell.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace tavrel::ui {

KeyboardSpinEntry::KeyboardSpinEntry(QWidget* window, QList<TableauCell*> cells,
                                     std::chrono::milliseconds pause)
    : QObject(window)
    , window_(window)
{
    for (TableauCell* cell : cells)
        cells_.append(cell);
    pause_.setSingleShot(true);
    pause_.setInterval(pause);
    connect(&pause_, &QTimer::timeout, this, &KeyboardSpinEntry::forget);
    // Keys go to whichever control has the focus, and the stake table would
    // take digits for a search; so they are looked at before any control.
    qApp->installEventFilter(this);
}

bool KeyboardSpinEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* target = static_cast<QWidget*>(watched);
    if (target->window() != window_ || !window_->isEnabled())
        return false;
    return handleKey(static_cast<const QKeyEvent&>(*event));
}

bool KeyboardSpinEntry::handleKey(const QKeyEvent& key)
{
    // Shift stays allowed: some keyboards need it for the digits.
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9) {
        // A held key repeats, which is no number the player meant.
        if (!key.isAutoRepeat()) {
            typed_.addDigit(key.key() - Qt::Key_0);
            showTypedNumber();
        }
        return true;
    }
    if (!typed_.number())
        return false;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        const int number = *typed_.take();
        showTypedNumber();
        if (TableauCell* cell = cells_.value(number))
            cell->click();
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        forget();
        return true;
    }
    return false;
}

void KeyboardSpinEntry::forget()
{
    typed_.forget();
    showTypedNumber();
}

void KeyboardSpinEntry::showTypedNumber()
{
    TableauCell* wanted = typed_.number() ? cells_.value(*typed_.number()) : nullptr;
    if (marked_ != wanted) {
        if (marked_)
            marked_->setMarked(false);
        marked_ = wanted;
        if (marked_)
            marked_->setMarked(true);
    }
    if (typed_.number())
        pause_.start();
    else
        pause_.stop();
}

} // namespace tavrel::ui
