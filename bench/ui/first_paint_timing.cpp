#include "first_paint_timing.h"

#include "main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Reports once the first paint, with its flush to the screen, is over.
class FirstPaintReporter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool reported_ = false;
};

} // namespace

int showAndReportFirstPaint(const QString& which)
{
    tavrel::PlayerSession session;
    std::unique_ptr<QWidget> window;
    if (which == "window") {
        window = std::make_unique<tavrel::ui::MainWindow>(session);
    } else {
        window = std::make_unique<QWidget>();
        if (which == "label")
            new QLabel("Pleins", window.get());
    }
    window->resize(918, 690);
    FirstPaintReporter reporter;
    window->installEventFilter(&reporter);
    window->show();
    return QApplication::exec();
}

double timeToFirstPaint(const QString& program, const QString& which)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(program, {"--first-paint", which});
    if (!child.waitForReadyRead(20000)) {
        std::printf("the %s child reported no paint\n", qPrintable(which));
        return -1;
    }
    const double millis = timer.nsecsElapsed() / 1e6;
    child.waitForFinished(5000);
    return millis;
}
