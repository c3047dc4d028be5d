#include "open_box_run.h"

#include "window/about_box.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include <chrono>
#include <ctime>

namespace {

using Clock = std::chrono::steady_clock;

// One shown frame is one paint of the box.
class PaintClock : public QObject {
public:
    std::vector<Clock::time_point> paints;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            paints.push_back(Clock::now());
        return false;
    }
};

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// What the window system delivers when the pointer comes to `at` and a button goes down there.
void holdButtonAt(QWidget& box, QPointF at)
{
    const QPointF global = box.mapToGlobal(at);
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &move);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
}

} // namespace

OpenBoxRun runOpenBox(double seconds, bool buttonHeld)
{
    tavrel::about::AboutBox box;
    PaintClock paintClock;
    box.installEventFilter(&paintClock);

    // The timers fire inside the loop's event processing, as a user's input would.
    if (buttonHeld)
        QTimer::singleShot(0, &box, [&box] { holdButtonAt(box, QPointF(box.width() / 2.0, box.height() / 2.0)); });
    const int milliseconds = static_cast<int>(seconds * 1000);
    QTimer::singleShot(milliseconds, &box, &QWidget::close);

    const double cpuBefore = cpuSeconds();
    const Clock::time_point wallBefore = Clock::now();
    box.runUntilClosed();
    const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();

    OpenBoxRun run{{}, (cpuSeconds() - cpuBefore) / wall, box.animation().Liste.Count};
    // The first paints belong to showing the box, before the loop's pace sets in.
    for (std::size_t i = 3; i < paintClock.paints.size(); ++i)
        run.framePeriodsMs.push_back(
            std::chrono::duration<double, std::milli>(paintClock.paints[i] - paintClock.paints[i - 1]).count());
    return run;
}
