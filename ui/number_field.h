#pragma once

#include <QLineEdit>

#include <cstdint>
#include <optional>

namespace tavrel::ui {

// A number typed by the player and taken only on Enter or when the field
// loses the focus, so that "1000" is never asked about as 1, 10 and 100 on
// the way. Anything outside what the field takes is refused where the player
// sees it: the field turns red and says why, and the value stays.
class NumberField : public QLineEdit {
    Q_OBJECT

public:
    // What a field takes.
    struct Kind {
        // Whole units from 1 to Largest, written "1.000"; or a percentage
        // above 0 and below 100, with a comma or a point as decimal sign.
        bool percent = false;
        // The word for no value ("keines"), "" where an empty field means
        // none, nothing where a value is needed.
        std::optional<QString> none;
    };
    static constexpr std::int64_t Largest = 1'000'000;

    NumberField(const char* name, std::optional<double> value, Kind kind, QWidget* parent);

    // Nothing stands for none.
    std::optional<double> value() const { return value_; }
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
    // The value of `typed`, nothing for none; refused when it is outside.
    std::optional<std::optional<double>> read(const QString& typed) const;
    void setRefusal(const QString& refusal);

    std::optional<double> value_;
    Kind kind_;
    QString refusal_;
};

} // namespace tavrel::ui
