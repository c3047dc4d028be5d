#include "observed_table.h"
#include "replay_run.h"
#include "simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The simulation's table against tavrel-replay's rows, spin by spin.
void expectSameAsReplay(unsigned seed, bool halten)
{
    std::mt19937 wheel(seed);
    std::vector<std::int16_t> spins(3000);
    std::ranges::generate(spins, [&] { return std::uniform_int_distribution<std::int16_t>(0, 36)(wheel); });
    std::string script = halten ? "aktiv\nhalten\n" : "aktiv\n";
    for (const auto n : spins)
        script += "click " + std::to_string(n) + "\n";
    const auto run = tavrel::replay::replay(script);
    ASSERT_EQ(run.status, 0) << run.errors;
    const auto& rows = run.lines.back().at("rows");
    ASSERT_EQ(rows.size(), spins.size());

    tavrel::sim::ObservedTable table(halten);
    std::uint64_t ended = 0;
    std::int64_t turnover = 0, result = 0;
    for (std::size_t i = 0; i < spins.size(); ++i) {
        const auto spin = table.click(spins[i]);
        const auto cell = [&](int column) { return std::stoll(rows.at(i).at(column - 1).get<std::string>()); };
        SCOPED_TRACE("spin " + std::to_string(i + 1));
        ASSERT_TRUE(spin.evaluated);
        // A partie ends exactly when its row shows a balance above 0.
        EXPECT_EQ(std::tuple(spin.einsatz, spin.saldo, spin.partie, spin.gesamt, spin.partieEnded),
                  std::tuple(cell(5), cell(6), cell(7), cell(8), cell(7) > 0));
        ended += spin.partieEnded;
        turnover += cell(5);
        result += cell(6);
    }
    EXPECT_GT(ended, 10u) << "the sequence should end many parties";

    // The same spins as a recorded wheel, through the whole run.
    const std::atomic<bool> stop{false};
    std::atomic<std::uint64_t> spinsDone{0};
    const auto outcome = tavrel::sim::runSessions(tavrel::sim::Wheels::fromRecords({spins}), halten, 1, {stop, spinsDone});
    EXPECT_EQ(std::tuple(outcome.totals.partiesCompleted, outcome.totals.turnover, outcome.totals.result, spinsDone.load()),
              std::tuple(ended, turnover, result, spins.size()));
}

TEST(ObservedTable, EverySpinMatchesTheReplayToolsRowWithAndWithoutStufeHalten)
{
    expectSameAsReplay(11, false);
    expectSameAsReplay(12, true);
}

// The run figures check the balance and the count; this checks the system stays mid-partie.
TEST(ObservedTable, ABalanceOfExactlyZeroAfterAHitDoesNotEndThePartie)
{
    tavrel::sim::ObservedTable table(false);
    for (const std::int16_t n : {35, 26, 26, 29, 34, 0, 14, 1})
        table.click(n);
    EXPECT_GT(table.system().Stufe, 1) << "the partie goes on";
}

} // namespace
