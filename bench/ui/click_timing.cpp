#include "click_timing.h"

#include "main_window.h"
#include "resident_memory.h"
#include "tableau_cell.h"
#include "window_driving.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

double timeClicks(int rows, int clicks)
{
    tavrel::PlayerSession session;
    tavrel::ui::MainWindow window(session);
    window.show();
    waitUntilExposed(window);

    QElapsedTimer filling;
    filling.start();
    fillTo(window, rows);
    const double fillSeconds = filling.nsecsElapsed() / 1e9;
    switchSystemAktiv(window);
    QCoreApplication::processEvents();

    PaintCounter counter;
    window.findChild<QAbstractItemView*>("stakeTable")->viewport()->installEventFilter(&counter);
    std::vector<double> millis;
    QElapsedTimer timer;
    for (int i = 0; i < clicks; ++i) {
        if (session.rowCount() > rows + rows / 100) {
            window.findChild<QAction*>("resetAction")->trigger();
            fillTo(window, rows);
            switchSystemAktiv(window);
            QCoreApplication::processEvents();
        }
        auto* cell = cellOf(window, (i * 7) % 37);
        const int paintsBefore = counter.paints;
        timer.start();
        click(cell);
        while (counter.paints == paintsBefore)
            QCoreApplication::processEvents();
        millis.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(millis.begin(), millis.end());
    const double median = millis[millis.size() / 2];
    std::printf("click with %6d rows before: median %.3f ms, 90th percentile %.3f ms, max %.3f ms (%d clicks)\n",
                rows, median, millis[millis.size() * 9 / 10], millis.back(), clicks);
    if (rows >= 100000) {
        std::printf("  entering the %d rows through the core with the table on screen took %.1f s\n", rows,
                    fillSeconds);
        std::printf("  resident memory with %d rows: %.1f MiB\n", session.rowCount(), residentMiB());
    }
    return median;
}
