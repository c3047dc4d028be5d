#include "observed_table.h"
#include "replay_run.h"
#include "simulation.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using tavrel::sim::ObservedTable;
using tavrel::sim::PlayedSpin;

std::int64_t cellNumber(const nlohmann::json& row, int column)
{
    return std::stoll(row.at(column - 1).get<std::string>());
}

// Plays the spins on the simulation's table and through tavrel-replay after
// "aktiv" (and "halten"), and compares every row.
void expectSameAsReplay(const std::vector<std::int16_t>& spins, bool halten)
{
    std::string script = halten ? "aktiv\nhalten\n" : "aktiv\n";
    for (const auto n : spins)
        script += "click " + std::to_string(n) + "\n";
    const auto run = tavrel::replay::replay(script);
    ASSERT_EQ(run.status, 0) << run.errors;
    const auto& rows = run.lines.back().at("rows");
    ASSERT_EQ(rows.size(), spins.size());

    ObservedTable table(halten);
    std::uint64_t ended = 0;
    std::int64_t turnover = 0, result = 0;
    for (std::size_t i = 0; i < spins.size(); ++i) {
        const PlayedSpin spin = table.click(spins[i]);
        const auto& row = rows.at(i);
        SCOPED_TRACE("spin " + std::to_string(i + 1));
        ASSERT_TRUE(spin.evaluated);
        EXPECT_EQ(spin.einsatz, cellNumber(row, 5));
        EXPECT_EQ(spin.saldo, cellNumber(row, 6));
        EXPECT_EQ(spin.partie, cellNumber(row, 7));
        EXPECT_EQ(spin.gesamt, cellNumber(row, 8));
        // A partie ends exactly when its row shows a balance above 0.
        EXPECT_EQ(spin.partieEnded, cellNumber(row, 7) > 0);
        ended += spin.partieEnded;
        turnover += cellNumber(row, 5);
        result += cellNumber(row, 6);
    }
    EXPECT_GT(ended, 10u) << "the sequence should end many parties";

    // The same spins as a recorded wheel, through the whole run.
    const std::atomic<bool> stop{false};
    std::atomic<std::uint64_t> spinsDone{0};
    const auto outcome = tavrel::sim::runSessions(tavrel::sim::Wheels::fromRecords({spins}), halten, 1, {stop, spinsDone});
    EXPECT_EQ(outcome.totals.partiesCompleted, ended);
    EXPECT_EQ(outcome.totals.turnover, turnover);
    EXPECT_EQ(outcome.totals.result, result);
    EXPECT_EQ(spinsDone, spins.size());
}

std::vector<std::int16_t> recordedSpins(unsigned seed, std::size_t count)
{
    std::mt19937 wheel(seed);
    std::uniform_int_distribution<int> number(0, 36);
    std::vector<std::int16_t> spins;
    for (std::size_t i = 0; i < count; ++i)
        spins.push_back(static_cast<std::int16_t>(number(wheel)));
    return spins;
}

TEST(ObservedTable, EverySpinMatchesTheReplayToolsRowWithAndWithoutStufeHalten)
{
    expectSameAsReplay(recordedSpins(11, 3000), false);
    expectSameAsReplay(recordedSpins(12, 3000), true);
}

TEST(ObservedTable, ABalanceOfExactlyZeroAfterAHitDoesNotEndThePartie)
{
    ObservedTable table(false);
    PlayedSpin last;
    for (const std::int16_t n : {35, 26, 26, 29, 34, 0, 14, 1})
        last = table.click(n);
    EXPECT_EQ(last.partie, 0);
    EXPECT_FALSE(last.partieEnded);
    EXPECT_GT(table.system().Stufe, 1) << "the partie goes on";
}

} // namespace
