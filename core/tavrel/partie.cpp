#include "tavrel/tavrel_system.h"

namespace tavrel {

// A partie starts with cheval 0,2 at one unit, by the same step as any
// activation, whether the player switched the system on or a won partie
// restarts it.
void TavrelSystem::startPartie()
{
    activateNextCheval();
    (void)sumStakes();
}

// No pleins, no chevals, no stakes, Stufe 0. Switching the system off does
// exactly this, so a partie switched on again goes on from its balance.
void TavrelSystem::clearPleins()
{
    for (int k = 0; k < ChevalCount; ++k)
        if (chevalActive(k))
            hiddenCaption[k] = Einsatz_Cheval[k];
    Anzahl_Pleins = 0;
    Einsatz_Cheval = {};
    Stufe = 0;
    Einsatz = 0;
}

void TavrelSystem::endPartie()
{
    clearPleins();
    Saldo = 0;
    Partie = 0;
}

void TavrelSystem::switchSystemAktiv()
{
    systemAktiv = !systemAktiv;
    if (systemAktiv)
        startPartie();
    else
        clearPleins();
}

void TavrelSystem::switchStufeHalten()
{
    stufeHalten = !stufeHalten;
}

void TavrelSystem::reset()
{
    endPartie();
    systemAktiv = false;
    stufeHalten = false;
}

} // namespace tavrel
