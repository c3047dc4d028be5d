#include "tavrel/tavrel_system.h"

#include "checked/checked_math.h"
#include "tavrel/number_text.h"

namespace tavrel {

std::int32_t TavrelSystem::sumOfChevalStakes() const
{
    std::int32_t sum = 0;
    for (int k = 0; k < ChevalCount; ++k)
        sum = checkedAdd(Einsatz_Cheval(k), sum);
    return sum;
}

void TavrelSystem::showAnzahlPleins()
{
    Frm_Tavrel.Lbl_Pleins.SetCaption("Pleins= " + decimalText(Anzahl_Pleins));
}

void TavrelSystem::showStufe()
{
    Frm_Tavrel.Lbl_Stufe.SetCaption("Stufe= " + decimalText(Stufe));
}

void TavrelSystem::showChevalCaption(int k)
{
    Frm_Tavrel.lbl_Cheval(k).SetCaption(std::string(ChevalTable[k].captionPrefix) + decimalText(Einsatz_Cheval(k)));
}

} // namespace tavrel
