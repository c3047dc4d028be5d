#include "undo_timing.h"

#include "frm_tavrel.h"
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
    tavrel::ui::Frm_Tavrel window(session);
    window.show();
    waitUntilExposed(window);
    session.clickSwitch(0);
    fillTo(session, rows);
    QCoreApplication::processEvents();

    PaintCounter counter;
    window.findChild<QAbstractItemView*>("Grid")->viewport()->installEventFilter(&counter);
    QAction* undo = window.findChild<QAction*>("M_Undo");
    std::vector<double> millis;
    QElapsedTimer timer;
    for (int i = 0; i < undos; ++i) {
        session.clickCell(static_cast<std::int16_t>((i * 7) % 37));
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
