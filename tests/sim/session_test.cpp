#include "replay_run.h"
#include "sim.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace tavrel::sim;

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
    const auto outcome = runSessions(Wheels{1, 0, 0, {spins}}, halten, 1, {stop, spinsDone});
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
    Session session(false);
    for (const std::int16_t n : {35, 26, 26, 29, 34, 0, 14, 1})
        session.play(n);
    EXPECT_GT(session.system().Stufe, 1) << "the partie goes on";
}

// Gesamt two units above its smallest value: a miss at 1 unit fits, the miss
// at 2 units after it does not, and the hit on 0 after that (+16) would fit
// again, but the window's figures were broken by then.
TEST(Session, AnOverflowOfGesamtStopsTheSessionsFigures)
{
    tavrel::TavrelSystem start;
    start.Gesamt = std::numeric_limits<std::int32_t>::min() + 2;
    start.switchSystemAktiv();
    tavrel::TavrelSystem window = start;
    std::vector<bool> evaluated;
    for (const int n : {36, 36, 0})
        evaluated.push_back(window.spin(n).evaluated);
    EXPECT_EQ(evaluated, (std::vector<bool>{true, false, true}));

    Session session(start);
    for (const std::int16_t n : {36, 36, 0})
        session.play(n);
    RunTotals totals;
    session.finishInto(totals);
    EXPECT_EQ(std::tuple(totals.spins, totals.evaluatedSpins, totals.turnover, totals.result, totals.stoppedSessions,
                         totals.firstStopSpin),
              std::tuple(3u, 1u, 1, -1, 1u, std::optional<std::uint64_t>(2)));
    EXPECT_EQ(std::tuple(totals.partiesCompleted, totals.openLengths.max(), totals.openDrawdowns.max()),
              std::tuple(0u, 1, 1));

    // The earliest stop of all sessions, whichever thread finished first.
    RunTotals later;
    later.firstStopSpin = 7;
    later.stoppedSessions = 1;
    later.merge(totals);
    EXPECT_EQ(std::tuple(later.stoppedSessions, later.firstStopSpin), std::tuple(2u, std::optional<std::uint64_t>(2)));
}

} // namespace
