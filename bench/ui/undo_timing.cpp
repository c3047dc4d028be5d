#include "undo_timing.h"

#include "main_window.h"
#include "tableau_cell.h"
#include "window_driving.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

double timeUndos(int rows, int undos)
{
    tavrel::PlayerSession session;
    tavrel::ui::MainWindow window(session);
    window.show();
    waitUntilExposed(window);
    switchSystemAktiv(window);
    fillTo(window, rows);
    QCoreApplication::processEvents();

    PaintCounter counter;
    window.findChild<QAbstractItemView*>("stakeTable")->viewport()->installEventFilter(&counter);
    QAction* undo = window.findChild<QAction*>("undoAction");
    std::vector<double> millis;
    QElapsedTimer timer;
    for (int i = 0; i < undos; ++i) {
        cellOf(window, (i * 7) % 37)->click();
        QCoreApplication::processEvents();
        const int paintsBefore = counter.paints;
        timer.start();
        undo->trigger();
        while (counter.paints == paintsBefore)
            QCoreApplication::processEvents();
        millis.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(millis.begin(), millis.end());
    const double median = millis[millis.size() / 2];
    std::printf("undo with %6d rows: median %.3f ms, max %.3f ms (%d undos)\n", rows, median, millis.back(), undos);
    return median;
}
