#pragma once

#include <cstdint>

namespace tavrel::sim {

// What one click on the tableau gave, as the stake table's row received it.
struct PlayedSpin {
    // The evaluation wrote the row: the figures below are valid.
    bool evaluated = false;
    std::int32_t einsatz = 0; // the stake in force for this spin
    std::int64_t saldo = 0;
    std::int64_t partie = 0;  // the partie's balance, this spin included
    std::int64_t gesamt = 0;
    // The spin lifted the partie above 0, and the reset took it back to 0.
    bool partieEnded = false;
    // A partie ran, but an overflow of the checked arithmetic stopped the
    // evaluation before it wrote the row: the window would show an empty row.
    bool evaluationStopped = false;
    // The spin counter stayed put at its largest value.
    bool spinCounterStuck = false;
};

} // namespace tavrel::sim
