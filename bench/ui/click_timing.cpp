#include "click_timing.h"

#include "frm_tavrel.h"
#include "resident_memory.h"
#include "tableau_cell.h"
#include "window_driving.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

double timeClicks(int rows, int clicks)
{
    tavrel::PlayerSession session;
    const tavrel::GridModel& grid = session.system.Frm_Tavrel.Grid;
    tavrel::ui::Frm_Tavrel window(session);
    window.show();
    waitUntilExposed(window);

    QElapsedTimer filling;
    filling.start();
    fillTo(session, rows);
    const double fillSeconds = filling.nsecsElapsed() / 1e9;
    session.clickSwitch(0);
    QCoreApplication::processEvents();

    PaintCounter counter;
    window.findChild<QAbstractItemView*>("Grid")->viewport()->installEventFilter(&counter);
    std::vector<double> millis;
    QElapsedTimer timer;
    for (int i = 0; i < clicks; ++i) {
        if (grid.RowCount() > rows + rows / 100) {
            session.reset();
            fillTo(session, rows);
            session.clickSwitch(0);
            QCoreApplication::processEvents();
        }
        auto* cell = window.findChild<tavrel::ui::TableauCell*>(QString("xpLabel_Tableau_%1").arg((i * 7) % 37));
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
        std::printf("  resident memory with %d rows: %.1f MiB\n", grid.RowCount(), residentMiB());
    }
    return median;
}
