#include "sim.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <iostream>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

using namespace tavrel::sim;

constexpr int NotWritten = 1; // the report or the chart
constexpr int BadInput = 2;
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

// Spins done, spins per second and time left, redrawn on one terminal line.
// Silent for the first second, so short runs print nothing.
class ProgressLine {
public:
    ProgressLine(std::ostream& out, std::uint64_t totalSpins)
        : out_(out)
        , totalSpins_(totalSpins)
    {
    }

    void show(std::uint64_t spinsDone)
    {
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        if (seconds < 1.0)
            return;
        const double rate = static_cast<double>(spinsDone) / seconds;
        const auto left = rate > 0 ? static_cast<std::int64_t>(static_cast<double>(totalSpins_ - spinsDone) / rate) : 0;
        out_ << "\r\033[K" << grouped(spinsDone) << " von " << grouped(totalSpins_) << " Coups, "
             << grouped(static_cast<std::int64_t>(rate)) << " Coups/s, noch " << left / 60 << " min " << left % 60
             << " s" << std::flush;
        drawn_ = true;
    }

    // Clears the line, if one was drawn.
    void finish()
    {
        if (drawn_)
            out_ << "\r\033[K" << std::flush;
    }

private:
    std::ostream& out_;
    std::uint64_t totalSpins_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    bool drawn_ = false;
};

RunOutcome runWithProgress(const Wheels& wheels, const SimOptions& options)
{
    const unsigned threads = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    std::atomic<std::uint64_t> spinsDone{0};
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
    return runSessions(wheels, options.play, threads, {interruptRequested, spinsDone});
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
        if (options.help || options.version) {
            std::cout << (options.help ? HelpText : "tavrel-sim " TAVREL_VERSION "\n");
            return 0;
        }
        wheels = wheelsOf(options);
    } catch (const UsageError& error) {
        std::cerr << "tavrel-sim: " << error.what() << '\n';
        return BadInput;
    }

    stopOnInterrupt();
    const RunOutcome outcome = runWithProgress(wheels, options);
    if (outcome.threadsStarted < outcome.threadsWanted)
        std::cerr << "tavrel-sim: nur " << outcome.threadsStarted << " von " << outcome.threadsWanted
                  << " Threads ließen sich starten; die Sessions liefen auf diesen\n";

    Report report = makeReport(outcome.totals, options.bankrolls, options.risk, outcome.partial);
    if (options.spinFiles.empty())
        report.seed = options.seed;
    report.play = options.play;
    if (options.json)
        std::cout << reportJson(report).dump(2) << '\n';
    else
        writeTextReport(std::cout, report);
    std::cout.flush();
    // A report lost on a full disk or a closed pipe is no success.
    if (!std::cout) {
        std::cerr << "tavrel-sim: der Bericht ließ sich nicht schreiben\n";
        return NotWritten;
    }

    if (options.chartPath && !writeRuinChart(report, *options.chartPath)) {
        std::cerr << "tavrel-sim: " << *options.chartPath << ": Bild nicht geschrieben\n";
        return NotWritten;
    }
    return outcome.partial ? Interrupted : 0;
}
