#include "replay_command.h"
#include "replay_run.h"
#include "tavrel/partie_odds.h"
#include "tavrel/player_session.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>

namespace tavrel::replay {

using nlohmann::json;

TEST(RiskCommand, ReadsACapitalAndAnOptionalLimitAndRejectsTheRest)
{
    const Risk plain = std::get<Risk>(*parseLine("risk 1000").command);
    EXPECT_EQ(plain.bankroll, 1000);
    EXPECT_FALSE(plain.limit);
    const Risk limited = std::get<Risk>(*parseLine("risk\t1000000 5 ").command);
    EXPECT_EQ(limited.bankroll, 1'000'000);
    EXPECT_EQ(limited.limit, 5);
    for (const char* bad : {"risk", "risk 0", "risk -5", "risk abc", "risk 4.5", "risk 1000001", "risk 1000 0",
                            "risk 1000 -1", "risk 1000 x", "risk 1000 5 6", "risk +10"}) {
        EXPECT_FALSE(parseLine(bad).command) << bad;
        EXPECT_FALSE(parseLine(bad).error.empty()) << bad;
    }
}

// The line gives exactly what the window's function gives, in the README's
// order, and its numbers read back to the same doubles.
TEST(RiskCommand, PrintsTheOddsOfTheStateAfterTheEventsSoFar)
{
    const ReplayRun run = replay("aktiv\nclick 36\nclick 9\nclick 11\nrisk 1000 4\n");
    ASSERT_EQ(run.status, Ok) << run.errors;
    ASSERT_EQ(run.lines.size(), 2u) << "the risk line, then the final dump";
    PlayerSession session;
    session.clickSwitch(0);
    for (int n : {36, 9, 11})
        session.clickCell(n);
    const PartieOdds odds = *partieOdds(session.system(), {1000, 4});
    const json expected = json::parse(R"({"bankroll": 1000, "limit": 4})");
    const json& line = run.lines[0];
    EXPECT_EQ(line["bankroll"], expected["bankroll"]);
    EXPECT_EQ(line["limit"], expected["limit"]);
    EXPECT_EQ(line["win"].get<double>(), odds.win);
    EXPECT_EQ(line["ruin"].get<double>(), odds.ruin);
    EXPECT_EQ(line["expectedResult"].get<double>(), odds.expectedResult);
    EXPECT_EQ(line["expectedSpins"].get<double>(), odds.expectedSpins);
    EXPECT_EQ(line["exact"], true);
    EXPECT_FALSE(line.contains("low"));

    std::istringstream in("aktiv\nrisk 10\n");
    std::ostringstream out, err;
    runReplay(in, out, err);
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')).substr(0, 52),
              R"({"bankroll":10,"limit":null,"win":0.5957064434612522)")
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

TEST(RiskCommand, ChangesNoOtherOutputAndAMalformedOneStopsTheRun)
{
    EXPECT_EQ(replay("aktiv\nclick 5\nrisk 50\ndump\n").lines.back(), replay("aktiv\nclick 5\ndump\n").lines.back());

    const ReplayRun run = replay("aktiv\nrisk 100\nrisk 100 0\nrisk 100\n");
    EXPECT_EQ(run.status, MalformedLine);
    EXPECT_EQ(run.lines.size(), 1u) << "no final dump after an error";
    EXPECT_NE(run.errors.find("line 3"), std::string::npos) << run.errors;
}

} // namespace tavrel::replay
