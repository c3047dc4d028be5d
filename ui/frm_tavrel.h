#pragma once

#include "keyboard_spin_entry.h"
#include "tavrel/player_session.h"

#include <QMainWindow>

namespace tavrel::ui {

// The main window: the tableau, the stakes, the switches and the stake table,
// each a view of the system's control models, and the menu.
class Frm_Tavrel : public QMainWindow {
    Q_OBJECT

public:
    // Runs the system's start-up; the session must outlive the window.
    // `digitPause` is how long digits typed for a spin wait for the next key.
    explicit Frm_Tavrel(PlayerSession& session, QWidget* parent = nullptr,
                        std::chrono::milliseconds digitPause = KeyboardSpinEntry::DefaultPause);

    PlayerSession& session() const { return session_; }

signals:
    // The menu entry "&Info" was chosen: the About box opens on this.
    void infoRequested();

private:
    void addMenus();
    void placeCentred();
    void M_Reset_Click();
    void M_Beenden_Click();

    PlayerSession& session_;
};

} // namespace tavrel::ui
