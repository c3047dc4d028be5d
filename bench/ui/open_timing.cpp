#include "open_timing.h"

#include "evening_files.h"
#include "main_window.h"
#include "tavrel/evening_file.h"
#include "window_driving.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

std::vector<tavrel::TableEvent> eveningOf(int count)
{
    using Kind = tavrel::TableEvent::Kind;
    std::mt19937 wheel(1);
    std::vector<tavrel::TableEvent> events{{Kind::SystemAktiv}};
    while (static_cast<int>(events.size()) < count) {
        const auto draw = wheel() % 1000;
        if (draw < 20)
            events.push_back({Kind::Undo});
        else if (draw < 22)
            events.push_back({Kind::StufeHalten});
        else
            events.push_back({Kind::Click, static_cast<std::uint8_t>(wheel() % 37)});
    }
    events.resize(static_cast<std::size_t>(count));
    return events;
}

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

double timeOpening(int events, int runs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("abend.txt");
    const std::string text = tavrel::eveningText(eveningOf(events));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.close();

    std::vector<double> opening, played;
    int rows = 0;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        timer.start();
        tavrel::PlayerSession alone;
        for (const tavrel::TableEvent& event : tavrel::readEvening(text).events)
            alone.play(event);
        played.push_back(timer.nsecsElapsed() / 1e6);
        rows = alone.rowCount();

        tavrel::PlayerSession session;
        tavrel::ui::MainWindow window(session);
        window.show();
        waitUntilExposed(window);
        PaintCounter counter;
        window.findChild<QAbstractItemView*>("stakeTable")->viewport()->installEventFilter(&counter);
        timer.start();
        window.findChild<tavrel::ui::EveningFiles*>()->openFrom(path);
        while (counter.paints == 0)
            QCoreApplication::processEvents();
        opening.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double median = medianOf(opening);
    std::printf("open an evening of %d events (%zu bytes, %d rows): median %.1f ms, max %.1f ms (%d runs); "
                "reading and playing it alone %.1f ms\n",
                events, text.size(), rows, median,
                *std::max_element(opening.begin(), opening.end()), runs, medianOf(played));
    return median;
}
