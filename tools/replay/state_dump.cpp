#include "state_dump.h"

namespace tavrel::replay {

using json = nlohmann::ordered_json;

namespace {

json rowsOf(const GridModel& grid)
{
    json rows = json::array();
    const auto columns = static_cast<long long>(grid.columns().size());
    for (long long r = 1; r <= grid.RowCount(); ++r) {
        json row = json::array();
        for (long long c = 1; c <= columns; ++c)
            row.push_back(grid.CellText(r, c));
        rows.push_back(std::move(row));
    }
    return rows;
}

json variablesOf(const M_Tavrel& s)
{
    return {
        {"Gefallene_Zahl", s.Gefallene_Zahl},
        {"Anzahl_Pleins", s.Anzahl_Pleins},
        {"Stufe", s.Stufe},
        {"Anzahl_Coups", s.Anzahl_Coups},
        {"Einsatz_Cheval", json(std::vector<std::int32_t>(s.Einsatz_Cheval.begin(), s.Einsatz_Cheval.end()))},
        {"Einsatz", s.Einsatz},
        {"Saldo", s.Saldo},
        {"Partie", s.Partie},
        {"Gesamt", s.Gesamt},
        {"Einsatz_Plein", json(std::vector<float>(s.Einsatz_Plein.begin(), s.Einsatz_Plein.end()))},
        {"Pleins_Gesetzt", s.Pleins_Gesetzt},
        {"Treffer", s.Treffer},
    };
}

} // namespace

json stateDump(const TavrelSystem& system)
{
    const ControlsSnapshot shown = system.Frm_Tavrel.snapshot();
    json cellBack = json::array(), cellNumber = json::array();
    for (const auto& cell : shown.cells) {
        cellBack.push_back(cell.backColor);
        cellNumber.push_back(cell.numberColor);
    }
    json chevalCaption = json::array(), chevalVisible = json::array();
    for (const auto& label : shown.chevals) {
        chevalCaption.push_back(label.caption);
        chevalVisible.push_back(label.visible);
    }
    return {
        {"rows", rowsOf(system.Frm_Tavrel.Grid)},
        {"currentRow", shown.currentRow},
        {"list", shown.list},
        {"check", shown.check},
        {"cellBack", std::move(cellBack)},
        {"cellNumber", std::move(cellNumber)},
        {"chevalCaption", std::move(chevalCaption)},
        {"chevalVisible", std::move(chevalVisible)},
        {"lblPleins", shown.pleins.caption},
        {"lblStufe", shown.stufe.caption},
        {"switches", shown.switches},
        {"state", variablesOf(system)},
    };
}

} // namespace tavrel::replay
