#pragma once

#include <optional>

namespace tavrel::ui {

// The digits of a roulette number as the player types them: one or two digits
// make a number from 0 to 36. A digit that would make a number above 36 is
// refused and the digits are forgotten; a third digit starts a new number, so
// the player can simply type again after a slip.
class TypedNumber {
public:
    static constexpr int Highest = 36;

    void addDigit(int digit);
    void forget();

    // The number typed so far, if any.
    std::optional<int> number() const;

    // The number typed so far, if any; the digits are forgotten.
    std::optional<int> take();

private:
    int digits_ = 0;
    int value_ = 0;
};

} // namespace tavrel::ui
