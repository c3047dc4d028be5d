#pragma once

#include "run_totals.h"
#include "tally.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tavrel::sim {

struct Percentiles {
    std::optional<std::int64_t> median, p90, p99, max;
};

struct RuinRisk {
    std::int64_t bankroll;
    std::uint64_t ruinedSessions; // a partie balance fell below -bankroll
    double share, low, high;      // with the 95 % Wilson score interval
};

// The figures of a run, ready to be printed or drawn.
struct Report {
    std::optional<std::uint64_t> seed; // empty for recorded spins
    bool stufeHalten = false;
    bool partial = false;
    RunTotals totals; // the counts and sums as played
    std::optional<double> resultPerTurnover; // empty without any stake
    Percentiles partieLength;
    // Balances, so the percentiles count from the deep end: p90 is the balance
    // that nine parties in ten did not go below, and max the deepest of all.
    Percentiles deepestBalance;
    std::optional<std::int64_t> largestStakeMedian, largestStakeMax;
    std::vector<RuinRisk> ruin;
};

// The fair single-zero wheel's expected result per unit staked: -1/37.
inline constexpr double FairWheelEdge = -1.0 / 37.0;

Report makeReport(const RunTotals& totals, const std::vector<std::int64_t>& bankrolls, bool partial);

} // namespace tavrel::sim
