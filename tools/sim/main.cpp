#include "progress_line.h"
#include "report.h"
#include "report_json.h"
#include "report_text.h"
#include "ruin_chart.h"
#include "sim_options.h"
#include "simulation.h"
#include "spin_file.h"
#include "usage_error.h"

#include <QGuiApplication>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <iostream>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

using namespace tavrel::sim;

constexpr int BadInput = 2;
constexpr int ChartFailed = 1;
constexpr int Interrupted = 130; // 128 + SIGINT, as a shell reports it

std::atomic<bool> interruptRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

void onInterrupt(int)
{
    interruptRequested.store(true);
}

void stopOnInterrupt()
{
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    action.sa_flags = SA_RESETHAND; // a second Ctrl+C ends the program at once
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
}

Wheels wheelsOf(const SimOptions& options)
{
    if (options.spinFiles.empty())
        return Wheels::simulated(options.sessions, options.spins, options.seed);
    std::vector<std::vector<std::int16_t>> records;
    for (const std::string& path : options.spinFiles)
        records.push_back(readSpinFile(path));
    return Wheels::fromRecords(std::move(records));
}

// Fonts need a QGuiApplication; a chart needs no screen, so Qt's off-screen
// platform serves unless the caller chose another.
bool drawChart(const Report& report, const std::string& path, char* program)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char* argv[] = {program, nullptr};
    const QGuiApplication application(argc, argv);
    return writeRuinChart(report, path);
}

} // namespace

// Plays the betting system over many sessions on simulated or recorded wheels
// and reports what it costs.
int main(int argc, char** argv)
{
    SimOptions options;
    Wheels wheels;
    try {
        options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (options.help) {
            std::cout << HelpText;
            return 0;
        }
        wheels = wheelsOf(options);
    } catch (const UsageError& error) {
        std::cerr << "tavrel-sim: " << error.what() << '\n';
        return BadInput;
    }

    stopOnInterrupt();
    const unsigned threads = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    std::atomic<std::uint64_t> spinsDone{0};
    RunOutcome outcome;
    {
        std::jthread progress;
        if (!options.quiet && isatty(STDERR_FILENO))
            progress = std::jthread([&](std::stop_token stop) {
                ProgressLine line(std::cerr, wheels.totalSpins());
                std::mutex mutex;
                std::condition_variable_any tick;
                std::unique_lock lock(mutex);
                // Wakes every quarter second, or at once when the run is over.
                while (!tick.wait_for(lock, stop, std::chrono::milliseconds(250), [&] { return stop.stop_requested(); }))
                    line.show(spinsDone.load());
                line.finish();
            });
        outcome = runSessions(wheels, options.stufeHalten, threads, {interruptRequested, spinsDone});
    }

    Report report = makeReport(outcome.totals, options.bankrolls, outcome.partial);
    if (options.spinFiles.empty())
        report.seed = options.seed;
    report.stufeHalten = options.stufeHalten;
    if (options.json)
        std::cout << reportJson(report).dump(2) << '\n';
    else
        writeTextReport(std::cout, report);
    std::cout.flush();

    if (options.chartPath && !drawChart(report, *options.chartPath, argv[0])) {
        std::cerr << "tavrel-sim: " << *options.chartPath << ": Bild nicht geschrieben\n";
        return ChartFailed;
    }
    return outcome.partial ? Interrupted : 0;
}
