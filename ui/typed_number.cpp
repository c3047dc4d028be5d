#include "typed_number.h"

namespace tavrel::ui {

void TypedNumber::addDigit(int digit)
{
    if (digits_ == 2)
        forget();
    const int value = value_ * 10 + digit;
    if (value > Highest) {
        forget();
        return;
    }
    value_ = value;
    ++digits_;
}

void TypedNumber::forget()
{
    digits_ = 0;
    value_ = 0;
}

std::optional<int> TypedNumber::number() const
{
    if (digits_ == 0)
        return std::nullopt;
    return value_;
}

std::optional<int> TypedNumber::take()
{
    const std::optional<int> typed = number();
    forget();
    return typed;
}

} // namespace tavrel::ui
