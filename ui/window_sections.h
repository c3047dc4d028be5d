#pragma once

#include "tavrel/player_session.h"

#include <QList>

class QWidget;

namespace tavrel::ui {

class TableauCell;

// The main window's frames, each made with its controls at their places, bound
// to the control models of the session's system, and placed in `parent`. The
// player's clicks go to the session.

// "Eingabe": the roulette tableau; hands back its cells by number.
QList<TableauCell*> addEingabeFrame(PlayerSession& session, QWidget* parent);
// "Einsatz": the active pleins, the cheval stakes, Pleins and Stufe.
void addEinsatzFrame(PlayerSession& session, QWidget* parent);
// "Einstellungen": the switches "System aktiv" and "Stufe halten".
void addEinstellungenFrame(PlayerSession& session, QWidget* parent);
// "Satztabelle": the stake table.
void addSatztabelleFrame(PlayerSession& session, QWidget* parent);
// "aktive Pleins": the plein flags, hidden from the user.
void addAktivePleinsFrame(PlayerSession& session, QWidget* parent);

} // namespace tavrel::ui
