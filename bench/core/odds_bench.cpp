#include "tavrel/capital_for_risk.h"
#include "tavrel/partie_odds.h"
#include "tavrel/risk_curve.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// A fresh partie, or a deep one after thirty misses in a row.
tavrel::TavrelSystem partieAfter(std::int64_t misses, bool stufeHalten = false)
{
    tavrel::TavrelSystem system;
    system.switchSystemAktiv();
    if (stufeHalten)
        system.switchStufeHalten();
    for (std::int64_t i = 0; i < misses; ++i)
        system.spin(36);
    return system;
}

// One answer at capital state.range(0) after state.range(1) misses: exact up
// to the sweep's reach, simulated beyond. The figures are printed beside its
// time.
void PartieOdds(benchmark::State& state)
{
    const tavrel::TavrelSystem system = partieAfter(state.range(1), state.range(2) != 0);
    std::optional<tavrel::PartieOdds> odds;
    for (auto _ : state)
        benchmark::DoNotOptimize(odds = tavrel::partieOdds(system, {state.range(0)}));
    state.counters["ruin_pct"] = 100 * odds->ruin;
    state.counters["expected_result"] = odds->expectedResult;
    state.counters["expected_spins"] = odds->expectedSpins;
}

// The chart's whole curve for a fresh partie: a sweep per capital up to the
// sweep's reach, one shared simulation beyond.
void RiskCurve(benchmark::State& state)
{
    const tavrel::TavrelSystem system = partieAfter(0);
    std::optional<std::vector<tavrel::RiskPoint>> curve;
    for (auto _ : state)
        benchmark::DoNotOptimize(curve = tavrel::riskCurve(system, {1000}));
    state.counters["points"] = double(curve->size());
    state.counters["ruin_pct_at_1e6"] = 100 * curve->back().ruin;
}

// The evening's answer: the spins left tonight from a fresh partie, at
// capital state.range(0).
void EveningOdds(benchmark::State& state)
{
    const tavrel::TavrelSystem system = partieAfter(0);
    std::optional<tavrel::PartieOdds> odds;
    for (auto _ : state)
        benchmark::DoNotOptimize(odds = tavrel::partieOdds(system, {state.range(0), tavrel::OddsQuestion::NoTableLimit,
                                                                    state.range(1)}));
    state.counters["ruin_pct"] = 100 * odds->ruin;
}

// The smallest capital for a risk of 1 %: for the running partie (spins 0),
// or for the spins left tonight.
void CapitalForRisk(benchmark::State& state)
{
    const tavrel::TavrelSystem system = partieAfter(0);
    const tavrel::OddsQuestion question(1, tavrel::OddsQuestion::NoTableLimit,
                                        state.range(0) > 0 ? std::optional<std::int64_t>(state.range(0)) : std::nullopt);
    std::optional<tavrel::CapitalForRisk> answer;
    for (auto _ : state)
        benchmark::DoNotOptimize(answer = tavrel::capitalForRisk(system, question, 0.01));
    state.counters["capital"] = double(answer->capital.value_or(0));
}

} // namespace

BENCHMARK(EveningOdds)->ArgNames({"capital", "spins"})->Args({5000, 300})->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(CapitalForRisk)->ArgNames({"spins"})->Arg(0)->Arg(300)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(PartieOdds)
    ->ArgNames({"capital", "misses", "halten"})
    ->Args({1000, 0, 0})
    ->Args({10'000, 0, 0})
    ->Args({10'000, 30, 0})
    ->Args({100'000, 0, 0})
    ->Args({100'000, 30, 0})
    ->Args({10'000, 0, 1})
    ->Args({1'000'000, 0, 0})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5);
BENCHMARK(RiskCurve)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
