#pragma once

#include "tavrel/bounded_array.h"
#include "tavrel/roulette_numbers.h"

#include <cstdint>
#include <string>

namespace tavrel {

// The state variables of the betting system; every one starts at 0 or empty.
struct M_Tavrel {
    std::int16_t Gefallene_Zahl = 0; // the number of the latest spin
    std::int16_t Anzahl_Pleins = 0;  // active pleins, always the plein list's item count
    std::uint8_t Stufe = 0;          // progression level
    std::int32_t Anzahl_Coups = 0;   // spins entered since program start
    BoundedArray<std::int32_t, ChevalCount> Einsatz_Cheval; // units per cheval
    std::int32_t Einsatz = 0;        // stake of the coming spin, in units
    float Saldo = 0;                 // result of the latest spin
    float Partie = 0;                // balance of the running partie
    // 32 bits: a long losing partie takes the total below -32768 in ordinary
    // play, and a narrower total would stop every later evaluation.
    std::int32_t Gesamt = 0;
    BoundedArray<float, NumberCount> Einsatz_Plein; // straight-up stake per number
    std::string Pleins_Gesetzt;      // the pleins of the latest spin, as the stake table shows them
    std::string Treffer;             // "Treffer", "-" or empty

    bool operator==(const M_Tavrel&) const = default;
};

} // namespace tavrel
