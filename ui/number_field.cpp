#include "number_field.h"

#include "german/german_numbers.h"
#include "risk_texts.h"

#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpression>

namespace tavrel::ui {

NumberField::NumberField(const char* name, std::optional<double> value, Kind kind, QWidget* parent)
    : QLineEdit(parent), value_(value), kind_(std::move(kind))
{
    setObjectName(name);
    revert();
}

void NumberField::revert()
{
    if (!value_)
        setText(kind_.none.value_or(QString()));
    else if (kind_.percent)
        setText(QString::fromStdString(german::decimal(*value_, 2)).remove(QRegularExpression(",?0+$")));
    else
        setText(capitalText(std::llround(*value_)));
    setRefusal({});
}

void NumberField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (take())
            emit entered();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberField::focusOutEvent(QFocusEvent* event)
{
    take();
    QLineEdit::focusOutEvent(event);
}

std::optional<std::optional<double>> NumberField::read(const QString& typed) const
{
    if (kind_.none && (typed.isEmpty() || typed.compare(*kind_.none, Qt::CaseInsensitive) == 0))
        return std::optional<double>();
    if (kind_.percent) {
        const auto percent = german::readDecimal(typed.toStdString());
        if (percent && *percent > 0 && *percent < 100)
            return percent;
        return std::nullopt;
    }
    bool number = false;
    // German notation, with or without the points between thousands.
    const qlonglong units = QLocale(QLocale::German, QLocale::Germany).toLongLong(typed, &number);
    if (number && units >= 1 && units <= Largest)
        return double(units);
    return std::nullopt;
}

bool NumberField::take()
{
    const QString typed = text().trimmed();
    const auto taken = read(typed);
    if (!taken) {
        const QString range = kind_.percent ? QString("eine Zahl über 0 und unter 100")
                                            : "eine ganze Zahl zwischen 1 und " + capitalText(Largest);
        const QString none = !kind_.none ? QString() : kind_.none->isEmpty() ? " oder nichts" : " oder „" + *kind_.none + "“";
        setRefusal(QString("%1: „%2“ geht nicht, bitte %3%4.").arg(accessibleName(), typed, range, none));
        return false;
    }
    const bool changed = *taken != value_;
    value_ = *taken;
    revert();
    if (changed)
        emit valueChanged();
    return true;
}

void NumberField::setRefusal(const QString& refusal)
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
