#include "tavrel/controls_snapshot.h"

#include "tavrel/number_text.h"

namespace tavrel {

ControlsSnapshot controlsShowing(const TavrelSystem& system, std::int32_t rowCount)
{
    ControlsSnapshot s;
    for (int i = 0; i < system.Anzahl_Pleins && i < MaxPleins; ++i)
        s.list.push_back(decimalText(PleinOrder[i]));
    for (int n = 0; n < NumberCount; ++n) {
        const bool plein = system.isActivePlein(n);
        s.check[n] = plein ? 1 : 0;
        s.cells[n] = {NumberColor(n), plein ? Yellow : FeltGreen};
    }
    for (int k = 0; k < ChevalCount; ++k) {
        const bool active = system.chevalActive(k);
        const std::int32_t units = active ? system.Einsatz_Cheval[k] : system.hiddenCaption[k];
        s.chevals[k] = {units > 0 ? std::string(ChevalTable[k].captionPrefix) + decimalText(units) : std::string(),
                        active};
    }
    s.pleins = {"Pleins= " + decimalText(system.Anzahl_Pleins)};
    s.stufe = {"Stufe= " + decimalText(system.Stufe)};
    s.switches = {system.systemAktiv ? 1 : 0, system.stufeHalten ? 1 : 0};
    s.rowCount = rowCount;
    s.currentRow = rowCount;
    return s;
}

std::string pleinsGesetztText(std::int16_t pleins)
{
    std::string text;
    for (int i = 0; i < pleins && i < MaxPleins; ++i)
        text.append(i == 0 ? " " : ", ").append(decimalText(PleinOrder[i]));
    return text;
}

std::string trefferText(Treffer treffer)
{
    switch (treffer) {
    case Treffer::Miss:
        return "-";
    case Treffer::Hit:
        return "Treffer";
    case Treffer::None:
        break;
    }
    return "";
}

std::string cellText(const CoupRow& row, int column)
{
    switch (column) {
    case 0:
        return blankThen(row.coup);
    case 1:
        return decimalText(row.number);
    default:
        break;
    }
    if (!row.evaluated)
        return "";
    switch (column) {
    case 2:
        return pleinsGesetztText(row.pleins);
    case 3:
        return trefferText(row.treffer);
    case 4:
        return blankThen(row.einsatz);
    case 5:
        return blankThen(row.saldo);
    case 6:
        return blankThen(row.partie);
    case 7:
        return blankThen(row.gesamt);
    default:
        return "";
    }
}

} // namespace tavrel
