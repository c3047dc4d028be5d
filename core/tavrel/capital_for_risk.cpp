#include "tavrel/capital_for_risk.h"

#include "stats/wilson_interval.h"
#include "tavrel/odds_simulation.h"
#include "tavrel/odds_sweep.h"
#include "tavrel/risk_curve.h"

#include <algorithm>
#include <cmath>

namespace tavrel {

namespace {

// The need of rank `rank` (1 is the largest), counting ties.
std::int64_t largestNeed(const std::map<std::int64_t, std::uint64_t>& needs, std::uint64_t rank)
{
    std::uint64_t seen = 0;
    for (auto it = needs.rbegin(); it != needs.rend(); ++it)
        if ((seen += it->second) >= rank)
            return it->first;
    return needs.empty() ? 0 : needs.begin()->first;
}

std::optional<std::int64_t> withinReach(std::int64_t capital, std::int64_t reach)
{
    return capital <= reach ? std::optional(std::max<std::int64_t>(capital, 1)) : std::nullopt;
}

// The smallest capital up to SweepReach whose exact risk is at most `risk`,
// given that SweepReach's is: doubling, then halving, so the sweeps cost about
// three times the answer's own.
std::optional<std::int64_t> exactCapital(const TavrelSystem& system, const OddsQuestion& question, double risk,
                                         std::stop_token stop)
{
    const auto risky = [&](std::int64_t bankroll) -> std::optional<bool> {
        const auto odds = sweepOdds(system, question.against(bankroll), stop);
        return odds ? std::optional(odds->ruin > risk) : std::nullopt;
    };
    std::int64_t low = 0, high = 1; // risky at low, not at high
    for (;; low = high, high = std::min(2 * high, SweepReach)) {
        const auto r = risky(high);
        if (!r)
            return std::nullopt;
        if (!*r)
            break;
    }
    while (high - low > 1) {
        const std::int64_t middle = low + (high - low) / 2;
        const auto r = risky(middle);
        if (!r)
            return std::nullopt;
        (*r ? low : high) = middle;
    }
    return high;
}

} // namespace

CapitalForRisk capitalForShare(const std::map<std::int64_t, std::uint64_t>& needs, std::uint64_t runs, double risk,
                               std::int64_t reach)
{
    CapitalForRisk answer;
    answer.risk = risk;
    answer.exact = false;
    // At most `allowed` runs may need more than the capital.
    const auto allowed = static_cast<std::uint64_t>(std::floor(risk * double(runs)));
    const double spread = Z95 * std::sqrt(double(runs) * risk * (1 - risk));
    const auto rank = [&](double r) { return std::uint64_t(std::clamp(r, 1.0, double(runs))); };
    answer.capital = withinReach(largestNeed(needs, allowed + 1), reach);
    answer.low = std::min(largestNeed(needs, rank(std::ceil(double(allowed + 1) + spread))), reach);
    answer.high = withinReach(largestNeed(needs, rank(std::floor(double(allowed + 1) - spread))), reach);
    if (!answer.capital)
        answer.floor = double(lostAgainst(needs, reach)) / double(runs);
    return answer;
}

std::optional<CapitalForRisk> capitalForRisk(const TavrelSystem& system, const OddsQuestion& question, double risk,
                                             std::stop_token stop)
{
    if (!system.partieRuns())
        return std::nullopt;
    std::optional<double> swept;
    if (!question.spins) {
        const auto odds = sweepOdds(system, question.against(SweepReach), stop);
        if (!odds)
            return std::nullopt;
        if (odds->ruin <= risk) {
            const auto capital = exactCapital(system, question, risk, stop);
            if (!capital)
                return std::nullopt;
            CapitalForRisk answer;
            answer.risk = risk;
            answer.capital = answer.high = capital;
            answer.low = *capital;
            return answer;
        }
        swept = odds->ruin;
    }
    const auto needs = simulatedNeeds(system, question.against(CurveReach), stop);
    if (!needs)
        return std::nullopt;
    CapitalForRisk answer = capitalForShare(needs->counts, needs->runs, risk, CurveReach);
    if (swept) {
        // The sweep has shown that no capital up to its reach gets there.
        for (std::optional<std::int64_t>* capital : {&answer.capital, &answer.high})
            if (*capital)
                **capital = std::max(**capital, SweepReach + 1);
        answer.low = std::max(answer.low, SweepReach + 1);
        answer.floor = std::min(answer.floor, *swept);
    }
    return answer;
}

} // namespace tavrel
