#pragma once

#include <cstdint>

namespace tavrel {

// The result text of a spin: empty, "-" or "Treffer".
enum class Treffer : std::uint8_t { None, Miss, Hit };

// What one spin's row of the stake table shows, as numbers; the texts are
// formatted where the row is shown (controls_snapshot.h).
struct CoupRow {
    std::int32_t coup = 0;   // Anzahl_Coups with this spin
    std::int16_t number = 0; // the number that fell
    // Whether the spin was evaluated to the end of its row; the remaining
    // fields are empty in the stake table otherwise.
    bool evaluated = false;
    std::int16_t pleins = 0; // the pleins set: the first this many of PleinOrder
    Treffer treffer = Treffer::None;
    std::int32_t einsatz = 0;
    float saldo = 0;
    float partie = 0;
    std::int32_t gesamt = 0;

    bool operator==(const CoupRow&) const = default;
};

} // namespace tavrel
