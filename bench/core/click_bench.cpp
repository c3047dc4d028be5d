#include "tavrel/tavrel_system.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

namespace {

// One evaluated click in the core, with a stake table already holding
// state.range(0) rows: the cost must not grow with the table.
void EvaluatedClick(benchmark::State& state)
{
    tavrel::TavrelSystem sys;
    sys.Form_Load();
    sys.clickSwitch(0);
    std::mt19937 wheel(7);
    std::uniform_int_distribution<int> spin(0, 36);
    for (std::int64_t i = 0; i < state.range(0); ++i)
        sys.xpLabel_Tableau_Click(static_cast<std::int16_t>(spin(wheel)));

    for (auto _ : state)
        sys.xpLabel_Tableau_Click(static_cast<std::int16_t>(spin(wheel)));
}

} // namespace

BENCHMARK(EvaluatedClick)->Arg(0)->Arg(10'000)->Arg(1'000'000)->Iterations(200'000)->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
