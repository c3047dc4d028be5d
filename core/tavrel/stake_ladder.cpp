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

std::int64_t largestStake(const TavrelSystem& system, std::int64_t bankroll, std::int64_t limit)
{
    std::int64_t largest = 0;
    for (StakeLadder ladder(system); ladder.level().largestCheval <= limit; ladder.climb()) {
        const StakeLevel& level = ladder.level();
        largest = std::max<std::int64_t>(largest, level.stake);
        const bool everyNumberEnds = std::all_of(level.outcomes.begin(), level.outcomes.end(),
            [&](const SpinOutcome& o) { return o.hit ? o.gain > bankroll : -o.gain > bankroll; });
        if (everyNumberEnds)
            break;
    }
    return largest;
}

} // namespace tavrel
