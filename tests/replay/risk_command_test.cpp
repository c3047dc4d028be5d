#include "replay_command.h"
#include "replay_run.h"
#include "tavrel/partie_odds.h"
#include "tavrel/player_session.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <tuple>

namespace tavrel::replay {

using nlohmann::json;

TEST(RiskCommand, ReadsACapitalAndAnOptionalLimitAndRejectsTheRest)
{
    const Risk plain = std::get<Risk>(*parseLine("risk 1").command); // the smallest of each, and the largest capital
    EXPECT_EQ(std::tuple(plain.bankroll, plain.limit), std::tuple(1, std::nullopt));
    const Risk limited = std::get<Risk>(*parseLine("risk\t1000000 1 ").command);
    EXPECT_EQ(std::tuple(limited.bankroll, limited.limit), std::tuple(1'000'000, 1));
    for (const char* bad : {"risk", "risk 0", "risk -5", "risk abc", "risk 4.5", "risk 1000001", "risk 1000 0",
                            "risk 1000 -1", "risk 1000 x", "risk 1000 5 6", "risk +10"})
        EXPECT_TRUE(!parseLine(bad).command && !parseLine(bad).error.empty()) << bad;
}

// Exactly the window's odds, and the dump after it as without the risk line.
TEST(RiskCommand, PrintsTheOddsOfTheStateAfterTheEventsSoFarAndChangesNoOtherOutput)
{
    const ReplayRun run = replay("aktiv\nclick 36\nclick 9\nclick 11\nrisk 1000 4\n");
    ASSERT_EQ(run.status, Ok) << run.errors;
    ASSERT_EQ(run.lines.size(), 2u) << "the risk line, then the final dump";
    PlayerSession session;
    session.clickSwitch(0);
    for (int n : {36, 9, 11})
        session.clickCell(n);
    const PartieOdds odds = *partieOdds(session.system(), {1000, 4});
    EXPECT_EQ(run.lines[0], (json{{"bankroll", 1000}, {"limit", 4}, {"win", odds.win}, {"ruin", odds.ruin}, {"exact", true},
                                  {"expectedResult", odds.expectedResult}, {"expectedSpins", odds.expectedSpins}}));
    EXPECT_EQ(run.lines[1], replay("aktiv\nclick 36\nclick 9\nclick 11\n").lines[0]);
    EXPECT_EQ(replay("aktiv\nrisk 10\n").output.substr(0, 52), R"({"bankroll":10,"limit":null,"win":0.5957064434612522)")
        << "keys in order, shortest round-trip numbers";
}

TEST(RiskCommand, SimulatesBeyondTheSweepAndSaysNothingWithoutAPartie)
{
    const ReplayRun run = replay("aktiv\nrisk 100000\nreset\nrisk 100\n");
    ASSERT_EQ(run.status, Ok) << run.errors;
    const json& simulated = run.lines[0];
    EXPECT_EQ(simulated["exact"], false);
    EXPECT_LE(simulated["low"].get<double>(), simulated["ruin"].get<double>());
    EXPECT_GE(simulated["high"].get<double>(), simulated["ruin"].get<double>());
    EXPECT_EQ(run.lines[1], json::parse(R"({"bankroll": 100, "limit": null, "win": null, "ruin": null,
                                            "expectedResult": null, "expectedSpins": null, "exact": true})"));
}

} // namespace tavrel::replay
