#include "tavrel/tavrel_system.h"

#include "checked/checked_math.h"

namespace tavrel {

// Each step of the progression either activates the next cheval of the table
// or, once all ten are active, raises one. A step that cannot be taken (an
// index past the table, a full counter) is left out and the next one runs.

void TavrelSystem::advance()
{
    if (Anzahl_Pleins < MaxPleins)
        activateNextCheval();
    else
        raiseNextCheval();
}

// Build-up: the cheval after the active ones, at one unit. Stufe counts the
// chevals activated; from no plein at all this starts a partie.
void TavrelSystem::activateNextCheval()
{
    if (Stufe < ChevalCount)
        Einsatz_Cheval[Stufe] = 1;
    Anzahl_Pleins = static_cast<std::int16_t>(Anzahl_Pleins + 2);
    (void)tryAdd(Stufe, std::uint8_t{1}, Stufe);
}

// Progression: the cheval after the one raised last gains a unit, in cyclic
// order; Stufe s names cheval s - 1.
void TavrelSystem::raiseNextCheval()
{
    if (Stufe == ChevalCount)
        Stufe = 1;
    else
        (void)tryAdd(Stufe, std::uint8_t{1}, Stufe);
    const int k = Stufe - 1;
    if (k < 0 || k >= ChevalCount)
        return;
    (void)tryAdd(Einsatz_Cheval[k], std::int32_t{1}, Einsatz_Cheval[k]);
}

// Einsatz becomes the stake of the coming spin; false, and Einsatz as it was,
// when the sum passes its width.
bool TavrelSystem::sumStakes()
{
    std::int32_t sum = 0;
    for (std::int32_t units : Einsatz_Cheval)
        if (!tryAdd(sum, units, sum))
            return false;
    Einsatz = sum;
    return true;
}

} // namespace tavrel
