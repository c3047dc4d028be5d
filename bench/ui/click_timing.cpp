#include "click_timing.h"

#include "frm_tavrel.h"
#include "resident_memory.h"
#include "tableau_cell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Counts the paints of the stake table's rows.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void waitUntilExposed(QWidget& window)
{
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
}

// The press and release that the window system would deliver for a click.
void click(QWidget* cell)
{
    const QPointF at(cell->width() / 2.0, cell->height() / 2.0);
    const QPointF global = cell->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &release);
}

// Enters spins through the session, with the table on screen, until it has
// `rows` rows.
void fillTo(tavrel::PlayerSession& session, int rows)
{
    for (int r = session.system.Frm_Tavrel.Grid.RowCount(); r < rows; ++r)
        session.clickCell(static_cast<std::int16_t>(r % 37));
}

} // namespace

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
