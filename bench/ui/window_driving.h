#pragma once

#include "main_window.h"

#include <QObject>

class QWidget;

namespace tavrel::ui {
class TableauCell;
}

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

tavrel::ui::TableauCell* cellOf(const tavrel::ui::MainWindow& window, int number);
// Enters spins as the keyboard does, by the tableau's cells, with the table on
// screen, until it has `rows` rows.
void fillTo(const tavrel::ui::MainWindow& window, int rows);
void switchSystemAktiv(const tavrel::ui::MainWindow& window);
