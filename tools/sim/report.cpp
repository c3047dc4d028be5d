#include "report.h"

#include "wilson_interval.h"

namespace tavrel::sim {

namespace {

Percentiles percentilesOf(const Tally& tally)
{
    return {tally.percentile(50), tally.percentile(90), tally.percentile(99), tally.max()};
}

std::optional<std::int64_t> negated(std::optional<std::int64_t> value)
{
    if (value)
        return -*value;
    return value;
}

} // namespace

Report makeReport(const RunTotals& totals, const std::vector<std::int64_t>& bankrolls, bool partial)
{
    Report report;
    report.partial = partial;
    report.totals = totals;
    if (totals.turnover != 0)
        report.resultPerTurnover = static_cast<double>(totals.result) / static_cast<double>(totals.turnover);
    report.partieLength = percentilesOf(totals.partieLengths);
    const Percentiles drawdown = percentilesOf(totals.partieDrawdowns);
    report.deepestBalance = {negated(drawdown.median), negated(drawdown.p90), negated(drawdown.p99),
                             negated(drawdown.max)};
    report.largestStakeMedian = totals.largestStakes.percentile(50);
    report.largestStakeMax = totals.largestStakes.max();
    for (const std::int64_t bankroll : bankrolls) {
        const std::uint64_t ruined = totals.sessionDrawdowns.countAbove(bankroll);
        const ShareInterval interval = wilsonInterval(ruined, totals.sessions);
        const double share = totals.sessions == 0 ? 0.0 : static_cast<double>(ruined) / static_cast<double>(totals.sessions);
        report.ruin.push_back({bankroll, ruined, share, interval.low, interval.high});
    }
    return report;
}

} // namespace tavrel::sim
