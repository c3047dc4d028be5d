#include "tavrel/partie_odds.h"
#include "tavrel/risk_curve.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

tavrel::TavrelSystem freshPartie()
{
    tavrel::TavrelSystem system;
    system.switchSystemAktiv();
    return system;
}

// One evaluation of a fresh partie at capital state.range(0), exact by the
// sweep; the figures it gives are printed beside its time.
void PartieOdds(benchmark::State& state)
{
    const tavrel::TavrelSystem system = freshPartie();
    std::optional<tavrel::PartieOdds> odds;
    for (auto _ : state)
        benchmark::DoNotOptimize(odds = tavrel::partieOdds(system, {state.range(0)}));
    state.counters["win_pct"] = 100 * odds->win;
    state.counters["ruin_pct"] = 100 * odds->ruin;
    state.counters["expected_result"] = odds->expectedResult;
    state.counters["expected_spins"] = odds->expectedSpins;
}

// The chart's whole curve for a fresh partie: a sweep per capital up to the
// sweep's reach, one shared simulation beyond.
void RiskCurve(benchmark::State& state)
{
    const tavrel::TavrelSystem system = freshPartie();
    std::optional<std::vector<tavrel::RiskPoint>> curve;
    for (auto _ : state)
        benchmark::DoNotOptimize(curve = tavrel::riskCurve(system, tavrel::OddsQuestion::NoTableLimit));
    state.counters["points"] = double(curve->size());
    state.counters["ruin_pct_at_1e6"] = 100 * curve->back().ruin;
}

} // namespace

BENCHMARK(PartieOdds)->Arg(100)->Arg(1000)->Arg(10'000)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(RiskCurve)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
