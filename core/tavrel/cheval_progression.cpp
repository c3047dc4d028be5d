#include "tavrel/tavrel_system.h"

#include "checked/checked_math.h"
#include "tavrel/number_text.h"

namespace tavrel {

// Build-up: activates the next cheval at one unit. A failing step is skipped.
void TavrelSystem::Cheval_Aktivieren()
{
    auto& c = Frm_Tavrel;
    resumeNext([&] { Einsatz_Cheval(Stufe) = 1; });

    if (Anzahl_Pleins >= 0 && Anzahl_Pleins < 2 * ChevalCount && Anzahl_Pleins % 2 == 0) {
        const int k = Anzahl_Pleins / 2;
        const Cheval& cheval = ChevalTable[k];
        c.List.AddItem(decimalText(cheval.first));
        c.List.AddItem(decimalText(cheval.second));
        c.Check.SetValue(cheval.first, 1);
        c.Check.SetValue(cheval.second, 1);
        showChevalCaption(k);
    }

    resumeNext([&] { c.lbl_Cheval(Stufe).SetVisible(true); });
    resumeNext([&] { Stufe = checkedAdd(Stufe, std::uint8_t{1}); });
    resumeNext([&] { Anzahl_Pleins = checkedNarrow<std::int16_t>(c.List.ListCount()); });

    for (int i = 0; i < NumberCount; ++i) {
        if (c.Check.Value(i) == 1) {
            Einsatz_Plein(i) = 0.5f;
            c.xpLabel_Tableau.SetCellBackColor(i, Yellow);
        }
    }
}

// Progression: raises the cheval after the one raised last by one unit, in
// cyclic order; Stufe s names cheval s - 1. A failing step is skipped.
void TavrelSystem::Cheval_Erhoehen()
{
    resumeNext([&] { Stufe = Stufe == 10 ? std::uint8_t{1} : checkedAdd(Stufe, std::uint8_t{1}); });
    const int s = Stufe;
    resumeNext([&] { Einsatz_Cheval(s - 1) = checkedAdd(Einsatz_Cheval(s - 1), std::int32_t{1}); });

    if (s >= 1 && s <= ChevalCount) {
        const int k = s - 1;
        const Cheval& cheval = ChevalTable[k];
        Einsatz_Plein(cheval.first) = static_cast<float>(static_cast<double>(Einsatz_Plein(cheval.first)) + 0.5);
        Einsatz_Plein(cheval.second) = static_cast<float>(static_cast<double>(Einsatz_Plein(cheval.second)) + 0.5);
        showChevalCaption(k);
    }
}

} // namespace tavrel
