#include "click_timing.h"
#include "first_paint_timing.h"
#include "open_timing.h"
#include "start_up.h"
#include "undo_timing.h"

#include <QApplication>

#include <algorithm>
#include <optional>
#include <string_view>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void timeClicksAndUndos()
{
    const double few = timeClicks(10, 400);
    // A table taller than its view: every click scrolls, as with the long one.
    const double screenful = timeClicks(1000, 400);
    const double many = timeClicks(100000, 400);
    std::printf("click ratio 100000 rows / 10 rows: %.2f; 100000 rows / 1000 rows: %.2f\n", many / few,
                many / screenful);
    timeUndos(100000, 200);
    timeOpening(100000, 5);
}

} // namespace

int main(int argc, char* argv[])
{
    // Without a display the figures come from the offscreen platform.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The main window's child starts as the program does, the empty and the
    // one-label windows as any Qt program.
    const bool windowChild = argc == 3 && std::string_view(argv[1]) == "--first-paint" && std::string_view(argv[2]) == "window";
    std::optional<tavrel::ui::StartUp> startUp;
    if (windowChild)
        startUp.emplace();
    QApplication app(argc, argv);
    if (startUp)
        startUp->ready();
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--first-paint")
        return showAndReportFirstPaint(args[2]);

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    // "--start": only the time to the first painted window.
    if (!args.contains("--start"))
        timeClicksAndUndos();
    std::vector<double> window, empty, label;
    for (int run = 0; run < 21; ++run) {
        empty.push_back(timeToFirstPaint(app.applicationFilePath(), "empty"));
        window.push_back(timeToFirstPaint(app.applicationFilePath(), "window"));
        label.push_back(timeToFirstPaint(app.applicationFilePath(), "label"));
    }
    const double windowMedian = medianOf(window), emptyMedian = medianOf(empty), labelMedian = medianOf(label);
    std::printf("process start to first paint (median of 21, side by side): main window %.1f ms, empty Qt window %.1f ms,"
                " ratio %.2f; a Qt window of one label %.1f ms, ratio %.2f\n",
                windowMedian, emptyMedian, windowMedian / emptyMedian, labelMedian, labelMedian / emptyMedian);
    return EXIT_SUCCESS;
}
