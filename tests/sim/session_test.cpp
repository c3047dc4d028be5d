#include "session_tracker.h"
#include "replay_run.h"
#include "simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The simulation's sums against those of tavrel-replay's rows.
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

    std::uint64_t ended = 0;
    std::int64_t turnover = 0, result = 0;
    for (const auto& row : rows) {
        const auto cell = [&](int column) { return std::stoll(row.at(column - 1).get<std::string>()); };
        // A partie ends exactly when its row shows a balance above 0.
        ended += cell(7) > 0;
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

TEST(Session, SumsMatchTheReplayToolsRowsWithAndWithoutStufeHalten)
{
    expectSameAsReplay(11, false);
    expectSameAsReplay(12, true);
}

// The run figures check the balance and the count; this checks the system stays mid-partie.
TEST(Session, ABalanceOfExactlyZeroAfterAHitDoesNotEndThePartie)
{
    tavrel::sim::SessionTracker session(false);
    for (const std::int16_t n : {35, 26, 26, 29, 34, 0, 14, 1})
        session.play(n);
    EXPECT_GT(session.system().Stufe, 1) << "the partie goes on";
}

} // namespace
