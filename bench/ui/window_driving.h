#pragma once

#include "tavrel/player_session.h"

#include <QObject>

class QWidget;

// Counts the paints of the widget it filters: a repaint has ended once it grows.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override;
};

void waitUntilExposed(QWidget& window);

// The press and release that the window system would deliver for a click.
void click(QWidget* cell);

// Enters spins through the session, with the table on screen, until it has
// `rows` rows.
void fillTo(tavrel::PlayerSession& session, int rows);
