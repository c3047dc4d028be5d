#include "tavrel/tavrel_system.h"

#include "checked/checked_math.h"

namespace tavrel {

float TavrelSystem::Einsatz_Plein(int number) const
{
    const int place = PleinPlace[number];
    if (place >= Anzahl_Pleins)
        return 0;
    return static_cast<float>(Einsatz_Cheval[place / 2]) / 2;
}

CoupRow TavrelSystem::spin(int number)
{
    Gefallene_Zahl = static_cast<std::int16_t>(number);
    // At the largest count the counter stays put and the spin is still recorded.
    (void)tryAdd(Anzahl_Coups, std::int32_t{1}, Anzahl_Coups);
    CoupRow row{.coup = Anzahl_Coups, .number = Gefallene_Zahl};
    if (partieRuns())
        evaluate(row);
    return row;
}

// An overflow ends the evaluation where it happens: what was done stays done,
// and the row keeps what was written before.
void TavrelSystem::evaluate(CoupRow& row)
{
    // Only a running partie is evaluated, so there are pleins.
    Pleins_Gesetzt = Anzahl_Pleins;
    treffer = isActivePlein(Gefallene_Zahl) ? Treffer::Hit : Treffer::Miss;

    // Kept in single precision, as the stakes per number always were.
    const float payout = Einsatz_Plein(Gefallene_Zahl) * 36.0f;
    Saldo = static_cast<float>(static_cast<double>(payout) - Einsatz);
    Partie = Partie + Saldo;
    // Summed exactly in double before rounding: an int32 plus a float would be
    // a float sum, wrong past 2^24.
    if (!tryRoundToInt(static_cast<double>(Gesamt) + static_cast<double>(Saldo), Gesamt))
        return;

    row.evaluated = true;
    row.pleins = Pleins_Gesetzt;
    row.treffer = treffer;
    row.einsatz = Einsatz;
    row.saldo = Saldo;
    row.partie = Partie;
    row.gesamt = Gesamt;

    // A hit holds the progression only while "Stufe halten" is checked.
    if (!stufeHalten || treffer == Treffer::Miss)
        advance();
    if (!sumStakes())
        return;
    if (Partie > 0) {
        endPartie();
        startPartie();
    }
}

} // namespace tavrel
