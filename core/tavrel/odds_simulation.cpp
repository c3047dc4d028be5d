#include "tavrel/odds_simulation.h"

#include "stats/wilson_interval.h"
#include "tavrel/fair_wheel.h"

#include <algorithm>
#include <cmath>

namespace tavrel {

PartieSimulation::PartieSimulation(const TavrelSystem& from, const OddsQuestion& question)
    : from_(from), question_(question)
{
    from_.Gesamt = 0; // the running total is no part of the partie, and stays far from its width
}

std::optional<PlayedPartie> PartieSimulation::play(std::uint64_t partie, std::stop_token stop) const
{
    FairWheel wheel(20261206, partie);
    TavrelSystem system = from_;
    PlayedPartie played{.balance = std::llround(system.Partie)};
    while (!partieWon(played.balance)) {
        // A long partie polls often enough to stop within milliseconds.
        if (played.spins % 65'536 == 0 && stop.stop_requested())
            return std::nullopt;
        const auto& chevals = system.Einsatz_Cheval;
        const std::int64_t largestCheval = *std::max_element(chevals.begin(), chevals.end());
        played.capitalNeeded = std::max(played.capitalNeeded, capitalNeeded(system.Einsatz, played.balance));
        played.lost = lostBefore(question_, system.Einsatz, largestCheval, played.balance);
        if (played.lost != LostBefore::Nothing)
            break;
        played.balance = std::llround(system.spin(wheel.spin()).partie);
        ++played.spins;
    }
    return played;
}

std::optional<PartieOdds> simulatedOdds(const TavrelSystem& system, const OddsQuestion& question, std::stop_token stop)
{
    PartieSimulation simulation(system, question);
    std::uint64_t lost = 0;
    double balances = 0, squares = 0, spins = 0;
    for (std::uint64_t i = 0; i < SimulatedParties; ++i) {
        const auto played = simulation.play(i, stop);
        if (!played)
            return std::nullopt;
        lost += played->lost != LostBefore::Nothing ? 1 : 0;
        balances += double(played->balance);
        squares += double(played->balance) * double(played->balance);
        spins += double(played->spins);
    }
    const double n = double(SimulatedParties);
    const double share = double(lost) / n;
    const double mean = balances / n;
    const double halfWidth = Z95 * std::sqrt(std::max(0.0, squares / n - mean * mean) / (n - 1));
    const ShareInterval ruin = wilsonInterval(lost, SimulatedParties);
    return PartieOdds{.win = 1 - share,
                      .ruin = share,
                      .expectedResult = mean,
                      .expectedSpins = spins / n,
                      .exact = false,
                      .ruinLow = ruin.low,
                      .ruinHigh = ruin.high,
                      .resultLow = mean - halfWidth,
                      .resultHigh = mean + halfWidth};
}

} // namespace tavrel
