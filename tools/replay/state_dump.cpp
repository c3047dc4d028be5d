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
    const auto& c = system.Frm_Tavrel;
    json check = json::array(), cellBack = json::array(), cellNumber = json::array();
    for (int n = 0; n < NumberCount; ++n) {
        check.push_back(c.Check.Value(n));
        cellBack.push_back(c.xpLabel_Tableau.cell(n).backColor);
        cellNumber.push_back(c.xpLabel_Tableau.cell(n).numberColor);
    }
    json chevalCaption = json::array(), chevalVisible = json::array();
    for (const auto& label : c.lbl_Cheval) {
        chevalCaption.push_back(label.Caption());
        chevalVisible.push_back(label.Visible());
    }
    return {
        {"rows", rowsOf(c.Grid)},
        {"currentRow", c.Grid.CurrentRow()},
        {"list", c.List.items()},
        {"check", std::move(check)},
        {"cellBack", std::move(cellBack)},
        {"cellNumber", std::move(cellNumber)},
        {"chevalCaption", std::move(chevalCaption)},
        {"chevalVisible", std::move(chevalVisible)},
        {"lblPleins", c.Lbl_Pleins.Caption()},
        {"lblStufe", c.Lbl_Stufe.Caption()},
        {"switches", {c.xpCheck.Value(0), c.xpCheck.Value(1)}},
        {"state", variablesOf(system)},
    };
}

} // namespace tavrel::replay
