#include "german_numbers.h"
#include "report.h"
#include "report_json.h"
#include "simulation.h"
#include "tally.h"
#include "wilson_interval.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace tavrel::sim;

RunOutcome run(const Wheels& wheels, unsigned threads, bool halten = false)
{
    const std::atomic<bool> stop{false};
    std::atomic<std::uint64_t> spinsDone{0};
    return runSessions(wheels, halten, threads, {stop, spinsDone});
}

TEST(RunFigures, TheSameSeedGivesTheSameReportOnAnyNumberOfThreads)
{
    const auto wheels = Wheels::simulated(12, 3000, 42);
    const auto bankrolls = std::vector<std::int64_t>{100, 10'000};
    const auto one = reportJson(makeReport(run(wheels, 1).totals, bankrolls, false));
    EXPECT_EQ(reportJson(makeReport(run(wheels, 2).totals, bankrolls, false)), one);
    EXPECT_EQ(reportJson(makeReport(run(wheels, 5).totals, bankrolls, false)), one);
    EXPECT_EQ(one.at("spins"), 36000);
    EXPECT_NE(reportJson(makeReport(run(Wheels::simulated(12, 3000, 43), 2).totals, bankrolls, false)), one);
}

// Three recorded sessions: 5, 4 ends a partie whose balance was at worst -1;
// 5, 5, 4 one at -3; the third ends open on a hit that leaves exactly 0.
TEST(RunFigures, PartiesAndRuinCountFromTheRowsBalances)
{
    const auto outcome = run(Wheels::fromRecords({{5, 4}, {5, 5, 4}, {35, 26, 26, 29, 34, 0, 14, 1}}), 2);
    const Report report = makeReport(outcome.totals, {1, 2, 3, 100}, false);
    EXPECT_FALSE(report.partial);
    EXPECT_EQ(report.spins, 13u);
    EXPECT_EQ(report.partiesCompleted, 2u);
    EXPECT_EQ(report.partiesOpen, 1u);
    EXPECT_EQ(report.partieLength.max, 3);
    EXPECT_EQ(report.deepestBalance.median, -1);
    EXPECT_EQ(report.deepestBalance.max, -3);
    EXPECT_EQ(report.largestStakeMax, 8);

    // "Fell below -B" is strict: a balance of exactly -B is not ruin.
    ASSERT_EQ(report.ruin.size(), 4u);
    EXPECT_EQ(report.ruin[0].ruinedSessions, 2u); // -3, and the open partie went to -15
    EXPECT_EQ(report.ruin[1].ruinedSessions, 2u);
    EXPECT_EQ(report.ruin[2].ruinedSessions, 1u); // -3 is not below -3
    EXPECT_EQ(report.ruin[3].ruinedSessions, 0u);
}

TEST(RunFigures, AStopRequestReportsOnlyFinishedSessionsAsPartial)
{
    const std::atomic<bool> stop{true};
    std::atomic<std::uint64_t> spinsDone{0};
    const auto outcome = runSessions(Wheels::simulated(4, 100, 1), false, 2, {stop, spinsDone});
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
    EXPECT_EQ(hundred.percentile(50), 50);
    EXPECT_EQ(hundred.percentile(90), 90);
    EXPECT_EQ(hundred.percentile(99), 99);
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
    const auto none = wilsonInterval(0, 10);
    EXPECT_DOUBLE_EQ(none.low, 0.0);
    EXPECT_NEAR(none.high, 0.2775, 1e-4);
    const auto all = wilsonInterval(10, 10);
    EXPECT_NEAR(all.low, 0.7225, 1e-4);
    EXPECT_DOUBLE_EQ(all.high, 1.0);
    const auto half = wilsonInterval(50, 100);
    EXPECT_NEAR(half.low, 0.4038, 1e-4);
    EXPECT_NEAR(half.high, 0.5962, 1e-4);
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
