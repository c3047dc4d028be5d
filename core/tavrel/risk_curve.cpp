#include "tavrel/risk_curve.h"

#include "stats/wilson_interval.h"
#include "tavrel/odds_simulation.h"
#include "tavrel/odds_sweep.h"

#include <algorithm>
#include <cmath>

namespace tavrel {

std::vector<std::int64_t> curveCapitals(std::int64_t chosen)
{
    std::vector<std::int64_t> capitals{chosen};
    for (int quarter = 4; quarter <= 24; ++quarter)
        capitals.push_back(std::llround(std::pow(10.0, quarter / 4.0)));
    std::sort(capitals.begin(), capitals.end());
    capitals.erase(std::unique(capitals.begin(), capitals.end()), capitals.end());
    return capitals;
}

RiskPoint boundedBy(RiskPoint simulated, double exactRuin)
{
    simulated.ruin = std::min(simulated.ruin, exactRuin);
    simulated.low = std::min(simulated.low, exactRuin);
    simulated.high = std::min(simulated.high, exactRuin);
    return simulated;
}

namespace {

// Fills in the capitals from `first` on by simulation.
bool simulateTail(const TavrelSystem& system, const OddsQuestion& question, std::vector<RiskPoint>& points,
                  std::size_t first, std::stop_token stop)
{
    const auto needs = simulatedNeeds(system, question.against(points.back().bankroll), stop);
    if (!needs)
        return false;
    for (std::size_t k = first; k < points.size(); ++k) {
        const std::uint64_t lost = lostAgainst(needs->counts, points[k].bankroll);
        const ShareInterval ruin = wilsonInterval(lost, needs->runs);
        const RiskPoint simulated{points[k].bankroll, double(lost) / double(needs->runs), ruin.low, ruin.high, false};
        points[k] = first > 0 ? boundedBy(simulated, points[first - 1].ruin) : simulated;
    }
    return true;
}

} // namespace

std::optional<std::vector<RiskPoint>> riskCurve(const TavrelSystem& system, const OddsQuestion& question,
                                                std::stop_token stop)
{
    if (!system.partieRuns())
        return std::nullopt;
    std::vector<RiskPoint> points;
    for (std::int64_t bankroll : curveCapitals(question.bankroll))
        points.push_back({bankroll, 0, 0, 1, false});
    std::size_t k = 0;
    // The evening has no exact answer.
    for (; !question.spins && k < points.size() && points[k].bankroll <= SweepReach; ++k) {
        const auto odds = sweepOdds(system, question.against(points[k].bankroll), stop);
        if (!odds)
            return std::nullopt;
        points[k] = {points[k].bankroll, odds->ruin, odds->ruin, odds->ruin, true};
    }
    if (k < points.size() && !simulateTail(system, question, points, k, stop))
        return std::nullopt;
    return points;
}

} // namespace tavrel
