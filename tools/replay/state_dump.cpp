#include "state_dump.h"

#include "tavrel/controls_snapshot.h"

namespace tavrel::replay {

using json = nlohmann::ordered_json;

namespace {

json rowsOf(const PlayerSession& session)
{
    json rows = json::array();
    for (const CoupRow& row : session.rows()) {
        json texts = json::array();
        for (int c = 0; c < StakeColumnCount; ++c)
            texts.push_back(cellText(row, c));
        rows.push_back(std::move(texts));
    }
    return rows;
}

json variablesOf(const TavrelSystem& s)
{
    json plein = json::array();
    for (int n = 0; n < NumberCount; ++n)
        plein.push_back(s.Einsatz_Plein(n));
    return {
        {"Gefallene_Zahl", s.Gefallene_Zahl},
        {"Anzahl_Pleins", s.Anzahl_Pleins},
        {"Stufe", s.Stufe},
        {"Anzahl_Coups", s.Anzahl_Coups},
        {"Einsatz_Cheval", s.Einsatz_Cheval},
        {"Einsatz", s.Einsatz},
        {"Saldo", s.Saldo},
        {"Partie", s.Partie},
        {"Gesamt", s.Gesamt},
        {"Einsatz_Plein", std::move(plein)},
        {"Pleins_Gesetzt", pleinsGesetztText(s.Pleins_Gesetzt)},
        {"Treffer", trefferText(s.treffer)},
    };
}

} // namespace

json stateDump(const PlayerSession& session)
{
    const ControlsSnapshot shown = controlsShowing(session.system(), session.rowCount());
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
        {"rows", rowsOf(session)},
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
        {"state", variablesOf(session.system())},
    };
}

} // namespace tavrel::replay
