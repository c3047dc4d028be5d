#include "open_box_run.h"

#include "particles/partikel_system_2.h"
#include "window/about_box.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

// The About box's figures: its frame period and CPU use with the box open for
// five seconds, calm and with a mouse button held, and the work of a frame.
// Without a display they come from the offscreen platform.

namespace {

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[index];
}

void OpenBoxFor5s(benchmark::State& state)
{
    const bool buttonHeld = state.range(0) != 0;
    OpenBoxRun run;
    for (auto _ : state) {
        run = runOpenBox(5.0, buttonHeld);
        state.SetIterationTime(5.0);
    }
    state.counters["frames"] = static_cast<double>(run.framePeriodsMs.size());
    state.counters["median_ms"] = percentile(run.framePeriodsMs, 0.5);
    state.counters["p99_ms"] = percentile(run.framePeriodsMs, 0.99);
    state.counters["max_ms"] = percentile(run.framePeriodsMs, 1.0);
    state.counters["cpu_pct"] = 100 * run.cpuShareOfOneCore;
    state.counters["particles"] = run.liveParticles;
}

// A box that has run long enough for its list to level off.
void warmUp(tavrel::about::AboutBox& box, bool buttonHeld)
{
    box.startAnimation();
    // Painting needs a window that the window system shows.
    for (int wait = 0; wait < 200 && !(box.windowHandle() && box.windowHandle()->isExposed()); ++wait)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (buttonHeld) {
        const QPointF middle(box.width() / 2.0, box.height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, middle, box.mapToGlobal(middle), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &move);
        QMouseEvent press(QEvent::MouseButtonPress, middle, box.mapToGlobal(middle), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&box, &press);
    }
    for (int frame = 0; frame < 300; ++frame)
        box.runFrame();
}

// A whole frame without its wait and event processing: clear, spawn, update, draw.
void FrameWork(benchmark::State& state)
{
    tavrel::about::AboutBox box;
    warmUp(box, state.range(0) != 0);
    for (auto _ : state)
        box.runFrame();
    state.counters["particles"] = box.animation().Liste.Count;
    box.hide();
}

// The same frame painted on the screen at once, as the loop's event processing does.
void FrameShown(benchmark::State& state)
{
    tavrel::about::AboutBox box;
    warmUp(box, state.range(0) != 0);
    for (auto _ : state) {
        box.runFrame();
        box.repaint();
    }
    state.counters["particles"] = box.animation().Liste.Count;
    box.hide();
}

// Only the update and the drawing, on the list of a levelled-off box.
void UpdateAndDraw(benchmark::State& state)
{
    tavrel::about::AboutBox box;
    warmUp(box, state.range(0) != 0);
    const auto levelled = box.animation().Liste;
    tavrel::about::FrameImage image(box.size(), QColor(192, 255, 255), QImage(":/info.jpg"));
    for (auto _ : state) {
        auto liste = levelled;
        image.clear();
        const auto start = std::chrono::steady_clock::now();
        tavrel::PartikelSystem2::UpdatePartikel(liste, 400);
        tavrel::PartikelSystem2::DrawPartikel(image, liste);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        benchmark::DoNotOptimize(image.image().constBits());
    }
    state.counters["particles"] = levelled.Count;
    box.hide();
}

} // namespace

BENCHMARK(FrameWork)->ArgName("held")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(FrameShown)->ArgName("held")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(UpdateAndDraw)->ArgName("held")->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(OpenBoxFor5s)->ArgName("held")->Arg(0)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
