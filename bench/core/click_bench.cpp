#include "tavrel/player_session.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

namespace {

// One evaluated click in the player's session (undo history, kernel, row),
// with state.range(0) rows already in the table: the cost must not grow with
// the table.
void EvaluatedClick(benchmark::State& state)
{
    tavrel::PlayerSession session;
    session.clickSwitch(0);
    std::mt19937 wheel(7);
    std::uniform_int_distribution<int> spin(0, 36);
    for (std::int64_t i = 0; i < state.range(0); ++i)
        session.clickCell(spin(wheel));

    for (auto _ : state)
        session.clickCell(spin(wheel));
}

// The kernel alone: what every look-ahead pays per spin.
void KernelSpin(benchmark::State& state)
{
    tavrel::TavrelSystem system;
    system.switchSystemAktiv();
    std::mt19937 wheel(7);
    std::uniform_int_distribution<int> spin(0, 36);
    for (auto _ : state)
        benchmark::DoNotOptimize(system.spin(spin(wheel)));
}

} // namespace

BENCHMARK(EvaluatedClick)->Arg(0)->Arg(10'000)->Arg(1'000'000)->Iterations(200'000)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(KernelSpin)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
