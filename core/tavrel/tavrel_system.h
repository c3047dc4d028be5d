#pragma once

#include "tavrel/coup_row.h"
#include "tavrel/roulette_numbers.h"

#include <array>
#include <cstdint>

namespace tavrel {

// The betting system: its whole state as plain values, and one function per
// event that applies the rules. Everything that plays the system (the window,
// the undo history, the tools, every look-ahead) goes through here, and a copy
// is a complete, independent system.
//
// The active pleins are always the first Anzahl_Pleins of PleinOrder, so the
// plein list, the plein boxes and the tableau's colours follow from it. Whole
// numbers are checked against their width: where the rules let an overflow
// stop the evaluation, the spin is still counted and recorded.
struct TavrelSystem {
    std::int16_t Gefallene_Zahl = 0; // the number of the latest spin
    std::int16_t Anzahl_Pleins = 0;  // active pleins
    std::uint8_t Stufe = 0;          // progression level
    std::int32_t Anzahl_Coups = 0;   // spins entered since program start
    std::array<std::int32_t, ChevalCount> Einsatz_Cheval{}; // units per cheval
    std::int32_t Einsatz = 0;        // stake of the coming spin, in units
    float Saldo = 0;                 // result of the latest evaluated spin
    float Partie = 0;                // balance of the running partie
    // 32 bits: a long losing partie takes the total below -32768 in ordinary
    // play, and a narrower total would stop every later evaluation.
    std::int32_t Gesamt = 0;
    bool systemAktiv = false;        // the switch "System aktiv"
    bool stufeHalten = false;        // the switch "Stufe halten"

    // What the window goes on showing of earlier events.
    std::int16_t Pleins_Gesetzt = 0; // the pleins of the latest evaluation (count)
    Treffer treffer = Treffer::None; // the result of the latest evaluation
    // The stake a hidden cheval label still shows, from when its cheval was
    // last active; 0 for a label that never had a caption.
    std::array<std::int32_t, ChevalCount> hiddenCaption{};

    // A partie runs while plein 0 is active.
    bool partieRuns() const { return Anzahl_Pleins > 0; }
    bool isActivePlein(int number) const { return PleinPlace[number] < Anzahl_Pleins; }
    // Chevals are active from their activation to the partie's end, in table order.
    bool chevalActive(int k) const { return k < Anzahl_Pleins / 2; }
    // The straight-up stake on `number`: half its cheval's units while active.
    float Einsatz_Plein(int number) const;

    // The player clicked `number` (0 to 36) on the tableau: the spin is
    // counted and, while a partie runs, evaluated. Returns its row.
    CoupRow spin(int number);
    // The player clicked a switch; its value flips. "System aktiv" starts a
    // partie or ends it; "Stufe halten" is only read by the evaluation.
    void switchSystemAktiv();
    void switchStufeHalten();
    // The menu's Reset: no partie, no stakes, both switches off; the spin
    // count and Gesamt stay.
    void reset();

    bool operator==(const TavrelSystem&) const = default;

private:
    void evaluate(CoupRow& row);
    void advance();
    void activateNextCheval();
    void raiseNextCheval();
    bool sumStakes();
    void startPartie();
    void clearPleins();
    void endPartie();
};

} // namespace tavrel
