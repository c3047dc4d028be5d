#include "tavrel/odds_simulation.h"

#include <algorithm>
#include <cmath>

namespace tavrel {

PartieSimulation::PartieSimulation(const TavrelSystem& from, std::int64_t tableLimit)
    : from_(from), tableLimit_(tableLimit)
{
    from_.Gesamt = 0; // the running total is no part of the partie, and stays far from its width
}

PlayedPartie PartieSimulation::play(std::int64_t bankroll)
{
    TavrelSystem system = from_;
    std::int64_t balance = std::llround(system.Partie);
    PlayedPartie played{balance, balance, 0, false};
    while (balance <= 0 && balance >= -bankroll) {
        const auto& chevals = system.Einsatz_Cheval;
        if (*std::max_element(chevals.begin(), chevals.end()) > tableLimit_) {
            played.overLimit = true;
            break;
        }
        balance = std::llround(system.spin(number_(wheel_)).partie);
        ++played.spins;
        played.deepest = std::min(played.deepest, balance);
    }
    played.balance = balance;
    return played;
}

std::optional<PartieOdds> simulatedOdds(const TavrelSystem& system, const OddsQuestion& question, std::stop_token stop)
{
    const auto deadline = std::chrono::steady_clock::now() + SimulationTime;
    PartieSimulation simulation(system, question.tableLimit);
    std::uint64_t parties = 0, lost = 0;
    double balances = 0, spins = 0;
    ShareInterval ruin{0, 1};
    while (ruin.high - ruin.low > 2 * SimulationHalfWidth) {
        if (stop.stop_requested())
            return std::nullopt;
        if (std::chrono::steady_clock::now() > deadline)
            break;
        for (int i = 0; i < 100; ++i) {
            const PlayedPartie played = simulation.play(question.bankroll);
            ++parties;
            lost += played.balance <= 0 ? 1 : 0;
            balances += double(played.balance);
            spins += double(played.spins);
        }
        ruin = wilsonInterval(lost, parties);
    }
    const double share = double(lost) / double(parties);
    return PartieOdds{.win = 1 - share,
                      .ruin = share,
                      .expectedResult = balances / double(parties),
                      .expectedSpins = spins / double(parties),
                      .exact = false,
                      .ruinLow = ruin.low,
                      .ruinHigh = ruin.high};
}

} // namespace tavrel
