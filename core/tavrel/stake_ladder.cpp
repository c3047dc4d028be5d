#include "tavrel/stake_ladder.h"

#include <algorithm>
#include <cmath>

namespace tavrel {

StakeLadder::StakeLadder(const TavrelSystem& from) : system_(from)
{
    // The running total is no part of the look-ahead; kept small, it never
    // overflows and so never stops an evaluation. A spin's result does not
    // depend on the partie's balance.
    system_.Gesamt = 0;
    read();
}

void StakeLadder::climb()
{
    system_.spin(missNumber_);
    system_.Gesamt = 0;
    read();
}

// A number pays by its straight-up stake alone, so one spin per distinct stake
// tells what all 37 numbers do.
void StakeLadder::read()
{
    level_.stake = system_.Einsatz;
    level_.largestCheval = *std::max_element(system_.Einsatz_Cheval.begin(), system_.Einsatz_Cheval.end());
    level_.outcomes.clear();
    std::vector<float> stakes;
    for (int n = 0; n < NumberCount; ++n) {
        const float plein = system_.Einsatz_Plein(n);
        const auto known = std::find(stakes.begin(), stakes.end(), plein);
        if (known != stakes.end()) {
            ++level_.outcomes[known - stakes.begin()].numbers;
            continue;
        }
        TavrelSystem copy = system_;
        const CoupRow row = copy.spin(n);
        if (plein == 0)
            missNumber_ = n;
        stakes.push_back(plein);
        level_.outcomes.push_back({std::llround(row.saldo), 1, row.treffer == Treffer::Hit});
    }
}

std::optional<std::int64_t> largestStake(const TavrelSystem& system, const OddsQuestion& question,
                                         std::stop_token stop)
{
    StakeLadder ladder(system);
    const StakeLevel& next = ladder.level();
    if (lostBefore(question, next.stake, next.largestCheval, std::llround(system.Partie)) != LostBefore::Nothing)
        return 0;
    // The stake grows by a unit a level, so this climbs at most bankroll levels.
    std::int64_t largest = 0;
    for (; lostBefore(question, ladder.level().stake, ladder.level().largestCheval, 0) == LostBefore::Nothing;
         ladder.climb()) {
        if (stop.stop_requested())
            return std::nullopt;
        largest = std::max<std::int64_t>(largest, ladder.level().stake);
    }
    return largest;
}

} // namespace tavrel
