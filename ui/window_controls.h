#pragma once

#include "tavrel/controls_snapshot.h"
#include "tavrel/player_session.h"

#include <QList>

class QLabel;
class QListWidget;
class QWidget;

namespace tavrel::ui {

class StakeTable;
class TableauCell;
class SwitchBox;

// The main window's controls that show the system, each placed by its frame.
// They hold no rules: they show what a snapshot of the controls says.
struct WindowControls {
    QList<TableauCell*> cells; // by number
    QListWidget* pleinList = nullptr;
    QList<QLabel*> chevalLabels; // by cheval
    QLabel* pleins = nullptr;
    QLabel* stufe = nullptr;
    QList<SwitchBox*> switches; // "System aktiv", "Stufe halten"
    StakeTable* stakeTable = nullptr;

    // Makes every control show `shown`, touching only what differs.
    void show(const ControlsSnapshot& shown);
};

// The main window's frames, each made with its controls at their places in
// `parent` and entered into `controls`.

// "Eingabe": the roulette tableau.
void addEingabeFrame(WindowControls& controls, QWidget* parent);
// "Einsatz": the active pleins, the cheval stakes, Pleins and Stufe.
void addEinsatzFrame(WindowControls& controls, QWidget* parent);
// "Einstellungen": the switches "System aktiv" and "Stufe halten".
void addEinstellungenFrame(WindowControls& controls, QWidget* parent);
// "Satztabelle": the stake table of the session's rows.
void addSatztabelleFrame(WindowControls& controls, const PlayerSession& session, QWidget* parent);

} // namespace tavrel::ui
