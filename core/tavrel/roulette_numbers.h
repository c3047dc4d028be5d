#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tavrel {

inline constexpr int NumberCount = 37; // single zero: 0 to 36

enum class NumberKind { Green, Red, Black };

constexpr NumberKind kindOf(int number)
{
    constexpr std::array<int, 18> reds{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    if (number == 0)
        return NumberKind::Green;
    for (int red : reds)
        if (red == number)
            return NumberKind::Red;
    return NumberKind::Black;
}

// A split bet on two neighbouring numbers; `first` is listed before `second`.
struct Cheval {
    std::int16_t first;
    std::int16_t second;
    std::string_view captionPrefix;
};

inline constexpr int ChevalCount = 10;
inline constexpr int MaxPleins = 2 * ChevalCount;

// The ten chevals the system plays, in the order it activates them.
inline constexpr std::array<Cheval, ChevalCount> ChevalTable{{
    {0, 2, "0,2= "},
    {1, 4, "1,4= "},
    {6, 3, "6,3= "},
    {8, 5, "8,5= "},
    {7, 10, "7,10= "},
    {20, 21, "20,21= "},
    {19, 22, "19,22= "},
    {24, 27, "24,27= "},
    {23, 26, "23,26= "},
    {25, 28, "25,28= "},
}};

// The pleins in the order they become active: cheval by cheval, first number
// first. With p active pleins, the active ones are the first p of this order.
inline constexpr std::array<std::int16_t, MaxPleins> PleinOrder = [] {
    std::array<std::int16_t, MaxPleins> order{};
    for (int k = 0; k < ChevalCount; ++k) {
        order[2 * k] = ChevalTable[k].first;
        order[2 * k + 1] = ChevalTable[k].second;
    }
    return order;
}();

// Each number's place in PleinOrder, MaxPleins for a number on no cheval.
inline constexpr std::array<std::int8_t, NumberCount> PleinPlace = [] {
    std::array<std::int8_t, NumberCount> place{};
    place.fill(MaxPleins);
    for (int i = 0; i < MaxPleins; ++i)
        place[PleinOrder[i]] = static_cast<std::int8_t>(i);
    return place;
}();

} // namespace tavrel
