#include "replay_command.h"
#include "replay_run.h"

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
    EXPECT_EQ(std::get<Risk>(*parseLine("risk 1000 0").command).limit, std::nullopt) << "0: no limit";
    EXPECT_EQ(std::get<Risk>(*parseLine("risk 1000 0 300").command).spins, 300);
    const Capital capital = std::get<Capital>(*parseLine("capital 0,5 10 1000000").command);
    EXPECT_EQ(std::tuple(capital.risk, capital.limit, capital.spins), std::tuple(0.005, 10, 1'000'000));
    for (const char* bad : {"risk", "risk 0", "risk -5", "risk abc", "risk 4.5", "risk 1000001", "risk 1000 1000001",
                            "risk 1000 -1", "risk 1000 x", "risk 1000 5 0", "risk 1000 5 6 7", "risk +10", "capital",
                            "capital 0", "capital 100", "capital -1", "capital 1e-3", "capital 1 0 1000001"})
        EXPECT_TRUE(!parseLine(bad).command && !parseLine(bad).error.empty()) << bad;
}

// The figures of the rule for a fresh partie, and the dump after the risk line as without it.
TEST(RiskCommand, PrintsTheOddsOfTheStateAfterTheEventsSoFarAndChangesNoOtherOutput)
{
    const ReplayRun run = replay("aktiv\nclick 36\nundo\nrisk 1000 0\nhalten\nrisk 1000\n");
    ASSERT_EQ(run.status, Ok) << run.errors;
    ASSERT_EQ(run.lines.size(), 3u) << "two risk lines, then the final dump";
    const json& fresh = run.lines[0];
    EXPECT_EQ(fresh["limit"], nullptr);
    EXPECT_EQ(fresh["exact"], true);
    EXPECT_NEAR(fresh["ruin"].get<double>(), 0.019780, 5e-7);
    EXPECT_NEAR(fresh["win"].get<double>(), 1 - 0.019780, 5e-7);
    EXPECT_NEAR(fresh["expectedResult"].get<double>(), -8.2475, 5e-5);
    EXPECT_NEAR(fresh["expectedSpins"].get<double>(), 12.8834, 5e-5);
    EXPECT_NEAR(run.lines[1]["ruin"].get<double>(), 0.018438, 5e-7) << "with Stufe halten";
    EXPECT_EQ(run.lines[2], replay("aktiv\nclick 36\nundo\nhalten\n").lines[0]);
    EXPECT_EQ(replay("aktiv\nrisk 10\n").output.substr(0, 43), R"({"bankroll":10,"limit":null,"spins":null,"w)")
        << "keys in order";
}

TEST(RiskCommand, SimulatesBeyondTheSweepRepeatablyAndSaysNothingWithoutAPartie)
{
    const ReplayRun run = replay("aktiv\nrisk 200000\nrisk 200000\nreset\nrisk 100\n");
    ASSERT_EQ(run.status, Ok) << run.errors;
    const json& simulated = run.lines[0];
    EXPECT_EQ(simulated["exact"], false);
    EXPECT_LE(simulated["low"].get<double>(), simulated["ruin"].get<double>());
    EXPECT_GE(simulated["resultHigh"].get<double>(), simulated["expectedResult"].get<double>());
    EXPECT_EQ(run.lines[1], simulated) << "the same question, the same answer";
    EXPECT_EQ(run.lines[2], json::parse(R"({"bankroll": 100, "limit": null, "spins": null, "win": null, "ruin": null,
                                            "expectedResult": null, "expectedSpins": null, "exact": true})"));
}

// The smallest capital for a risk: exact for the running partie, simulated for
// the evening with its interval, and a floor where no capital gets there.
TEST(CapitalCommand, AnswersThePlayersQuestion)
{
    const ReplayRun run = replay("aktiv\ncapital 1\ncapital 1 0 300\ncapital 0.1\n");
    ASSERT_EQ(run.status, Ok) << run.errors;
    EXPECT_EQ(run.lines[0], json::parse(R"({"risk": 0.01, "limit": null, "spins": null, "capital": 2769, "exact": true})"));
    const json& evening = run.lines[1];
    EXPECT_EQ(evening["exact"], false);
    EXPECT_LE(evening["low"].get<int>(), 6000);
    EXPECT_GE(evening["high"].get<int>(), 6000) << "about 6.000, as a plain replay of a million evenings finds";
    EXPECT_EQ(run.lines[2]["capital"], nullptr);
    EXPECT_GT(run.lines[2]["floor"].get<double>(), 0.001);
}

} // namespace tavrel::replay
