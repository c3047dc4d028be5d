#include "sim.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <iostream>
#include <map>
#include <string>
#include <thread>

namespace {

using namespace tavrel::sim;

// One session of state.range(0) spins on one thread, as the tool plays it:
// fresh system, fair wheel, every row followed.
void OneSession(benchmark::State& state)
{
    const auto spins = static_cast<std::uint64_t>(state.range(0));
    std::uint64_t session = 0;
    for (auto _ : state) {
        Session played(Play{});
        tavrel::FairWheel wheel(1, session++);
        for (std::uint64_t i = 0; i < spins; ++i)
            played.play(wheel.spin());
        RunTotals totals;
        played.finishInto(totals);
        benchmark::DoNotOptimize(totals.result);
    }
    state.counters["spins/s"] = benchmark::Counter(static_cast<double>(spins * state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

// Sessions spread over state.range(0) threads, by wall-clock time.
void Threads(benchmark::State& state)
{
    const auto threads = static_cast<unsigned>(state.range(0));
    const auto wheels = simulatedWheels(16, 50'000, 1);
    const std::atomic<bool> stop{false};
    for (auto _ : state) {
        std::atomic<std::uint64_t> spinsDone{0};
        benchmark::DoNotOptimize(runSessions(wheels, Play{}, threads, {stop, spinsDone}).totals.result);
    }
    state.counters["spins/s"] = benchmark::Counter(static_cast<double>(wheels.totalSpins() * state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

// Prints as usual, and keeps the median spins per second of each thread count.
class SpeedUpReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.str()] = run.counters.at("spins/s");
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

BENCHMARK(OneSession)->Arg(30'000)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(Threads)->Arg(1)->Arg(std::max(1u, std::thread::hardware_concurrency()))->UseRealTime()->Iterations(10)
    ->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    SpeedUpReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    auto medianOf = [&](unsigned threads) {
        const std::string prefix = "Threads/" + std::to_string(threads) + "/";
        for (const auto& [name, spinsPerSecond] : reporter.medians)
            if (name.starts_with(prefix))
                return spinsPerSecond;
        return 0.0;
    };
    if (cores > 1 && medianOf(1) > 0)
        std::cout << "speed-up on " << cores << " cores: " << medianOf(cores) / medianOf(1) << "\n";
    benchmark::Shutdown();
}
