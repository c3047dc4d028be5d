#include "german_numbers.h"
#include "report.h"
#include "report_json.h"
#include "simulation.h"
#include "tally.h"
#include "wilson_interval.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

using namespace tavrel::sim;

RunOutcome run(const Wheels& wheels, unsigned threads, bool stopped = false)
{
    const std::atomic<bool> stop{stopped};
    std::atomic<std::uint64_t> spinsDone{0};
    RunOutcome outcome = runSessions(wheels, false, threads, {stop, spinsDone});
    EXPECT_EQ(spinsDone, outcome.totals.spins) << "the progress counts every spin played";
    return outcome;
}

TEST(RunFigures, TheSameSeedGivesTheSameReportOnAnyNumberOfThreads)
{
    const auto json = [](std::uint64_t seed, unsigned threads) {
        return reportJson(makeReport(run(Wheels::simulated(12, 3000, seed), threads).totals, {100, 10'000}, false));
    };
    const auto one = json(42, 1);
    for (const unsigned threads : {2u, 5u})
        EXPECT_EQ(json(42, threads), one);
    EXPECT_EQ(one.at("spins"), 36000);
    EXPECT_NE(json(43, 2), one);
}

// Three recorded sessions: 5, 4 ends a partie whose balance was at worst -1;
// 5, 5, 4 one at -3; the third ends open on a hit that leaves exactly 0.
TEST(RunFigures, PartiesAndRuinCountFromTheRowsBalances)
{
    const auto outcome = run(Wheels::fromRecords({{5, 4}, {5, 5, 4}, {35, 26, 26, 29, 34, 0, 14, 1}}), 2);
    const Report report = makeReport(outcome.totals, {1, 2, 3, 100}, false);
    EXPECT_EQ(std::tuple(report.partial, report.totals.spins, report.totals.partiesCompleted, report.totals.partiesOpen), std::tuple(false, 13u, 2u, 1u));
    EXPECT_EQ(std::tuple(report.partieLength.max, report.deepestBalance.median, report.deepestBalance.max,
                         report.largestStakeMax),
              std::tuple(3, -1, -3, 8));
    // "Fell below -B" is strict: -3 is not below -3; the open partie went to -15.
    std::vector<std::uint64_t> ruined;
    for (const RuinRisk& risk : report.ruin)
        ruined.push_back(risk.ruinedSessions);
    EXPECT_EQ(ruined, (std::vector<std::uint64_t>{2, 2, 1, 0}));
}

TEST(RunFigures, AStopRequestReportsOnlyFinishedSessionsAsPartial)
{
    const auto outcome = run(Wheels::simulated(4, 100, 1), 2, true);
    EXPECT_TRUE(outcome.partial);
    EXPECT_EQ(outcome.totals.sessions, 0u);
}

TEST(RunFigures, TheFairWheelCostsAboutOneThirtySeventhOfTheTurnover)
{
    const Report report = makeReport(run(Wheels::simulated(40, 20000, 7), 2).totals, {}, false);
    ASSERT_TRUE(report.resultPerTurnover);
    EXPECT_NEAR(*report.resultPerTurnover, FairWheelEdge, 0.01);
}

TEST(Statistics, NearestRankPercentiles)
{
    Tally hundred;
    for (int v = 100; v >= 1; --v)
        hundred.add(v);
    for (const int p : {50, 90, 99})
        EXPECT_EQ(hundred.percentile(p), p);
    EXPECT_EQ(hundred.max(), 100);
    EXPECT_EQ(hundred.countAbove(90), 10u);

    Tally three;
    three.add(-7);
    three.add(3, 2);
    EXPECT_EQ(three.percentile(33), -7);
    EXPECT_EQ(three.percentile(34), 3);
    EXPECT_FALSE(Tally().percentile(50));
}

TEST(Statistics, WilsonScoreInterval)
{
    const std::tuple<int, int, double, double> cases[] = {{0, 10, 0.0, 0.2775}, {10, 10, 0.7225, 1.0}, {50, 100, 0.4038, 0.5962}, {1, 1, 0.2065, 1.0}};
    for (const auto& [successes, trials, low, high] : cases) {
        EXPECT_NEAR(wilsonInterval(successes, trials).low, low, 1e-4) << successes;
        EXPECT_NEAR(wilsonInterval(successes, trials).high, high, 1e-4) << successes;
    }
    // The bounds stop exactly at 0 and 1.
    EXPECT_DOUBLE_EQ(wilsonInterval(0, 10).low, 0.0);
    EXPECT_DOUBLE_EQ(wilsonInterval(10, 10).high, 1.0);
}

TEST(Statistics, GermanNumbers)
{
    EXPECT_EQ(grouped(std::int64_t{-1234567}), "-1.234.567");
    EXPECT_EQ(grouped(std::int64_t{999}), "999");
    EXPECT_EQ(grouped(std::numeric_limits<std::int64_t>::min()), "-9.223.372.036.854.775.808");
    EXPECT_EQ(percent(FairWheelEdge), "-2,70 %");
    EXPECT_EQ(percent(-0.00001), "0,00 %");
}

} // namespace
