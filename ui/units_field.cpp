#include "units_field.h"

#include "risk_texts.h"

#include <QKeyEvent>
#include <QLocale>

namespace tavrel::ui {

UnitsField::UnitsField(const char* name, std::int64_t value, const QString& none, QWidget* parent)
    : QLineEdit(parent), value_(value), none_(none)
{
    setObjectName(name);
    revert();
}

void UnitsField::revert()
{
    setText(value_ == 0 ? none_ : capitalText(value_));
    setRefusal({});
}

void UnitsField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (take())
            emit entered();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void UnitsField::focusOutEvent(QFocusEvent* event)
{
    take();
    QLineEdit::focusOutEvent(event);
}

bool UnitsField::take()
{
    const QString typed = text().trimmed();
    bool number = false;
    // German notation, with or without the points between thousands.
    const qlonglong units = QLocale(QLocale::German, QLocale::Germany).toLongLong(typed, &number);
    std::int64_t taken = -1;
    if (!none_.isEmpty() && (typed.isEmpty() || typed.compare(none_, Qt::CaseInsensitive) == 0))
        taken = 0;
    else if (number && units >= 1 && units <= Largest)
        taken = units;
    if (taken < 0) {
        const QString range = "eine ganze Zahl zwischen 1 und " + capitalText(Largest);
        setRefusal(QString("%1: „%2“ geht nicht, bitte %3%4.")
                       .arg(accessibleName(), typed, range, none_.isEmpty() ? QString() : " oder „" + none_ + "“"));
        return false;
    }
    const bool changed = taken != value_;
    value_ = taken;
    revert();
    if (changed)
        emit valueChanged();
    return true;
}

void UnitsField::setRefusal(const QString& refusal)
{
    if (refusal == refusal_)
        return;
    refusal_ = refusal;
    QPalette look; // as the window's, unless refused
    if (!refusal.isEmpty())
        look.setColor(QPalette::Base, QColor(255, 205, 205));
    setPalette(look);
    setAccessibleDescription(refusal);
    emit refusalChanged();
}

} // namespace tavrel::ui
