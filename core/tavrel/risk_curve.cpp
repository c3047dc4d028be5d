#include "tavrel/risk_curve.h"

#include "tavrel/odds_simulation.h"
#include "tavrel/odds_sweep.h"

#include <cmath>

namespace tavrel {

std::vector<std::int64_t> curveCapitals()
{
    std::vector<std::int64_t> capitals;
    for (int quarter = 4; quarter <= 24; ++quarter)
        capitals.push_back(std::llround(std::pow(10.0, quarter / 4.0)));
    return capitals;
}

namespace {

// Fills in the capitals beyond the sweep's reach, from `first` on.
bool simulateTail(const TavrelSystem& system, std::int64_t tableLimit, std::vector<RiskPoint>& points,
                  std::size_t first, std::stop_token stop)
{
    const auto deadline = std::chrono::steady_clock::now() + SimulationTime;
    PartieSimulation simulation(system, tableLimit);
    std::vector<std::uint64_t> lost(points.size());
    std::uint64_t parties = 0;
    for (bool settled = false; !settled && std::chrono::steady_clock::now() <= deadline;) {
        if (stop.stop_requested())
            return false;
        for (int i = 0; i < 100; ++i) {
            const PlayedPartie played = simulation.play(points.back().bankroll);
            ++parties;
            for (std::size_t k = first; k < points.size(); ++k)
                lost[k] += played.overLimit || played.deepest < -points[k].bankroll ? 1 : 0;
        }
        settled = true;
        for (std::size_t k = first; k < points.size(); ++k) {
            const ShareInterval ruin = wilsonInterval(lost[k], parties);
            points[k].ruin = double(lost[k]) / double(parties);
            points[k].low = ruin.low;
            points[k].high = ruin.high;
            settled = settled && ruin.high - ruin.low <= 2 * SimulationHalfWidth;
        }
    }
    return true;
}

} // namespace

std::optional<std::vector<RiskPoint>> riskCurve(const TavrelSystem& system, std::int64_t tableLimit,
                                                std::stop_token stop)
{
    if (!system.partieRuns())
        return std::nullopt;
    std::vector<RiskPoint> points;
    for (std::int64_t bankroll : curveCapitals())
        points.push_back({bankroll, 0, 0, 1, false});
    std::size_t k = 0;
    for (; k < points.size() && points[k].bankroll <= SweepReach; ++k) {
        const auto odds = sweepOdds(system, {points[k].bankroll, tableLimit}, stop);
        if (!odds)
            return std::nullopt;
        points[k] = {points[k].bankroll, odds->ruin, odds->ruin, odds->ruin, true};
    }
    if (k < points.size() && !simulateTail(system, tableLimit, points, k, stop))
        return std::nullopt;
    return points;
}

} // namespace tavrel
