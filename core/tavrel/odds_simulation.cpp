#include "tavrel/odds_simulation.h"

#include "stats/wilson_interval.h"
#include "tavrel/fair_wheel.h"

#include <algorithm>
#include <cmath>

namespace tavrel {

namespace {

constexpr std::uint64_t WheelSeed = 20261206;

} // namespace

OddsSimulation::OddsSimulation(const TavrelSystem& from, const OddsQuestion& question)
    : from_(from), question_(question)
{
    from_.Gesamt = 0; // the running total is no part of the question, and stays far from its width
}

std::optional<SimulatedRun> OddsSimulation::play(std::uint64_t run, std::stop_token stop) const
{
    FairWheel wheel = FairWheel::forRun(WheelSeed, run);
    TavrelSystem system = from_;
    std::int64_t balance = std::llround(system.Partie);
    SimulatedRun played{.result = balance};
    while (question_.spins ? played.spins < *question_.spins : !partieWon(balance)) {
        // A long run polls often enough to stop within milliseconds.
        if (played.spins % 65'536 == 0 && stop.stop_requested())
            return std::nullopt;
        const auto& chevals = system.Einsatz_Cheval;
        const std::int64_t largestCheval = *std::max_element(chevals.begin(), chevals.end());
        played.capitalNeeded = std::max(played.capitalNeeded, capitalNeeded(system.Einsatz, balance));
        played.lost = lostBefore(question_, system.Einsatz, largestCheval, balance);
        if (played.lost != LostBefore::Nothing)
            break;
        const CoupRow row = system.spin(wheel.spin());
        played.result += std::llround(row.saldo);
        ++played.spins;
        // A won partie shows its balance in the row; the next one starts at 0.
        balance = question_.spins ? std::llround(system.Partie) : std::llround(row.partie);
    }
    return played;
}

std::optional<PartieOdds> simulatedOdds(const TavrelSystem& system, const OddsQuestion& question, std::stop_token stop)
{
    const OddsSimulation simulation(system, question);
    std::uint64_t lost = 0;
    double results = 0, squares = 0, spins = 0;
    for (std::uint64_t i = 0; i < simulation.runs(); ++i) {
        const auto played = simulation.play(i, stop);
        if (!played)
            return std::nullopt;
        lost += played->lost != LostBefore::Nothing ? 1 : 0;
        results += double(played->result);
        squares += double(played->result) * double(played->result);
        spins += double(played->spins);
    }
    const double n = double(simulation.runs());
    const double share = double(lost) / n;
    const double mean = results / n;
    const double halfWidth = Z95 * std::sqrt(std::max(0.0, squares / n - mean * mean) / (n - 1));
    const ShareInterval ruin = wilsonInterval(lost, simulation.runs());
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

std::uint64_t lostAgainst(const std::map<std::int64_t, std::uint64_t>& needs, std::int64_t bankroll)
{
    std::uint64_t lost = 0;
    for (auto it = needs.upper_bound(bankroll); it != needs.end(); ++it)
        lost += it->second;
    return lost;
}

std::optional<CapitalNeeds> simulatedNeeds(const TavrelSystem& system, const OddsQuestion& question,
                                           std::stop_token stop)
{
    const OddsSimulation simulation(system, question);
    CapitalNeeds needs;
    needs.runs = simulation.runs();
    for (std::uint64_t i = 0; i < simulation.runs(); ++i) {
        const auto played = simulation.play(i, stop);
        if (!played)
            return std::nullopt;
        ++needs.counts[played->lost == LostBefore::TableLimit ? TableStopped : played->capitalNeeded];
    }
    return needs;
}

} // namespace tavrel
