#pragma once

#include "keyboard_spin_entry.h"
#include "tavrel/player_session.h"
#include "window_controls.h"

#include <QMainWindow>

class QAction;

namespace tavrel::ui {

class EveningFiles;
class RiskWindow;

// The main window: the tableau, the stakes, the switches and the stake table,
// and the menu. Each of the player's events goes to the session, and then
// every control shows the session as it is.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // The session must outlive the window. `digitPause` is how long digits
    // typed for a spin wait for the next key.
    explicit MainWindow(PlayerSession& session, QWidget* parent = nullptr,
                        std::chrono::milliseconds digitPause = KeyboardSpinEntry::DefaultPause);

    const PlayerSession& session() const { return session_; }

signals:
    // The menu entry "&Info" was chosen: the About box opens on this.
    void infoRequested();

protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void addMenus();
    void placeCentred();

    void enterSpin(int number);
    void toggleSwitch(int index);
    void undo();
    void reset();
    void quit();
    void showRisk();
    void showSession();
    void showOpenedSession();

    PlayerSession& session_;
    WindowControls controls_;
    EveningFiles* files_ = nullptr;
    QAction* undoAction_ = nullptr;
    RiskWindow* risk_ = nullptr; // made when first asked for
    bool iconSet_ = false;
};

} // namespace tavrel::ui
