#pragma once

#include <QLineEdit>

#include <cstdint>

namespace tavrel::ui {

// A count of whole units from 1 to 1.000.000, typed by the player and taken
// only on Enter or when the field loses the focus, so that "1000" is never
// asked about as 1, 10 and 100 on the way. Anything else is refused where the
// player sees it: the field turns red and says why, and the value stays.
class UnitsField : public QLineEdit {
    Q_OBJECT

public:
    static constexpr std::int64_t Largest = 1'000'000;

    // `none` is the word for no value ("keines"), or empty where a value is needed.
    UnitsField(const char* name, std::int64_t value, const QString& none, QWidget* parent);

    // 0 stands for none.
    std::int64_t value() const { return value_; }
    // Why the text typed last was refused; empty while it was taken.
    QString refusal() const { return refusal_; }
    // Shows the value again, forgetting a refused text.
    void revert();

signals:
    void valueChanged();
    // Enter took the text typed, changed or not.
    void entered();
    void refusalChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool take();
    void setRefusal(const QString& refusal);

    std::int64_t value_;
    QString none_;
    QString refusal_;
};

} // namespace tavrel::ui
