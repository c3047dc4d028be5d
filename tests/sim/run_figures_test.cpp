#include "sim.h"

#include "tavrel/partie_rule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace tavrel::sim;

RunOutcome run(const Wheels& wheels, unsigned threads, bool stopped = false, const Play& play = {})
{
    const std::atomic<bool> stop{stopped};
    std::atomic<std::uint64_t> spinsDone{0};
    RunOutcome outcome = runSessions(wheels, play, threads, {stop, spinsDone});
    EXPECT_EQ(spinsDone, outcome.totals.spins) << "the progress counts every spin played";
    return outcome;
}

Wheels recorded(std::vector<std::vector<std::int16_t>> sessions)
{
    return {sessions.size(), 0, 0, std::move(sessions)}; // braced: the size is taken first
}

// The ruin by the rule itself, bankroll by bankroll, on the same wheels: a session is ruined at B once a partie asks
// for a stake larger than B plus its balance; a partie that would pass the table limit is given up by Reset and
// "System aktiv". The capital for a risk is the smallest at which the replay loses at most that share of the sessions.
TEST(RunFigures, RuinCountsAndTheCapitalForARiskEqualAPlainReplayOfTheRule)
{
    const std::vector<std::int64_t> bankrolls{100, 1000, 10'000};
    constexpr std::uint64_t sessions = 60, spins = 1000, seed = 5;
    constexpr double risk = 0.1; // 6 sessions
    for (const bool halten : {false, true})
        for (const std::optional<std::int32_t> limit : {std::optional<std::int32_t>(), std::optional<std::int32_t>(8)}) {
            SCOPED_TRACE(testing::Message() << "halten " << halten << ", limit " << limit.value_or(0));
            const auto start = [&](tavrel::TavrelSystem& system) {
                system.switchSystemAktiv();
                if (halten)
                    system.switchStufeHalten();
            };
            std::uint64_t givenUp = 0;
            const auto ruinedAt = [&](std::int64_t bankroll) {
                const tavrel::OddsQuestion question{bankroll, limit ? *limit : tavrel::OddsQuestion::NoTableLimit};
                std::uint64_t ruined = 0;
                givenUp = 0;
                for (std::uint64_t session = 0; session < sessions; ++session) {
                    tavrel::FairWheel wheel(seed, session);
                    tavrel::TavrelSystem system;
                    start(system);
                    bool lost = false;
                    for (std::uint64_t i = 0; i < spins; ++i) {
                        const auto& chevals = system.Einsatz_Cheval;
                        const auto why = tavrel::lostBefore(question, system.Einsatz, *std::ranges::max_element(chevals),
                                                            std::llround(system.Partie));
                        lost = lost || why == tavrel::LostBefore::Stake;
                        if (why == tavrel::LostBefore::TableLimit) {
                            ++givenUp;
                            system.reset();
                            start(system);
                        }
                        system.spin(wheel.spin());
                    }
                    ruined += lost;
                }
                return ruined;
            };
            std::vector<std::uint64_t> ruined;
            for (const std::int64_t bankroll : bankrolls)
                ruined.push_back(ruinedAt(bankroll));

            const RunTotals totals = run(simulatedWheels(sessions, spins, seed), 2, false, {halten, limit}).totals;
            const Report report = makeReport(totals, bankrolls, risk, false);
            std::vector<std::uint64_t> counted;
            for (const RuinRisk& r : report.ruin)
                counted.push_back(r.observed->ruinedSessions);
            EXPECT_EQ(counted, ruined);
            EXPECT_EQ(totals.partiesGivenUp, givenUp);
            EXPECT_TRUE(ruined[1] > 0 && ruined[1] < sessions) << "a telling case";
            EXPECT_EQ(totals.partiesGivenUp > 0, limit.has_value());
            const std::int64_t capital = report.capitalForRisk->capital.value();
            EXPECT_EQ(std::tuple(ruinedAt(capital) <= 6, ruinedAt(capital - 1) <= 6), std::tuple(true, false)) << capital;
        }
}

// Gesamt 2 above its minimum: a miss at 1 unit fits, the next at 2 does not, the hit on 0 (+16) would fit again.
TEST(Session, AnOverflowOfGesamtStopsTheSessionsFigures)
{
    tavrel::TavrelSystem window;
    window.Gesamt = std::numeric_limits<std::int32_t>::min() + 2;
    window.switchSystemAktiv();
    Session session(window);
    std::vector<bool> evaluated;
    for (const std::int16_t n : {36, 36, 0}) {
        evaluated.push_back(window.spin(n).evaluated);
        session.play(n);
    }
    EXPECT_EQ(evaluated, (std::vector<bool>{true, false, true})) << "but the window's figures were broken by then";
    RunTotals totals;
    session.finishInto(totals);
    EXPECT_EQ(std::tuple(totals.spins, totals.evaluatedSpins, totals.turnover, totals.result, totals.stoppedSessions,
                         totals.firstStopSpin),
              std::tuple(3u, 1u, 1, -1, 1u, std::optional<std::uint64_t>(2)));
    EXPECT_EQ(std::tuple(totals.partiesCompleted, totals.openLengths.max(), totals.openDrawdowns.max()), std::tuple(0u, 1, 1));
}

TEST(RunFigures, TheSameSeedGivesTheSameReportOnAnyNumberOfThreads)
{
    const auto json = [](std::uint64_t seed, unsigned threads, const Play& play = {}) {
        return reportJson(makeReport(run(simulatedWheels(12, 3000, seed), threads, false, play).totals, {100, 10'000}, 0.01, false));
    };
    const auto one = json(42, 1);
    for (const unsigned threads : {2u, 5u, 100'000u})
        EXPECT_EQ(json(42, threads), one);
    EXPECT_NE(json(43, 2), one);
    // The figures of this seed as they were before the table limit came.
    const auto halten = json(42, 2, {true, {}});
    EXPECT_EQ(std::tuple(one.at("turnover"), one.at("result"), one.at("partiesCompleted"), one.at("spins")),
              std::tuple(19'344'166, -386'206, 1346, 36000));
    EXPECT_EQ(std::tuple(halten.at("turnover"), halten.at("result"), halten.at("partiesCompleted")),
              std::tuple(10'582'956, -249'966, 1149));
}

// Three recorded sessions: 5, 4 ends a partie whose balance was at worst -1; 5, 5, 4 one at -3; the third ends open on
// a hit that leaves exactly 0, after going to -15 in 8 spins: the worst case of all.
TEST(RunFigures, TheWorstCasesIncludeThePartieStillOpenAtBalanceZero)
{
    const std::vector<std::int16_t> zeroAfterAHit = {35, 26, 26, 29, 34, 0, 14, 1};
    const auto outcome = run(recorded({{5, 4}, {5, 5, 4}, zeroAfterAHit}), 2);
    const Report report = makeReport(outcome.totals, {2, 3, 6, 100}, 0.01, false);
    EXPECT_EQ(std::tuple(report.partial, report.totals.spins, report.totals.partiesCompleted, report.totals.openLengths.count(),
                         report.openLongest, report.largestStakeMax), std::tuple(false, 13u, 2u, 1u, 8, 8));
    EXPECT_EQ(std::tuple(report.partieLength.p99, report.deepestBalance.median, report.deepestBalance.p99), std::tuple(3, -1, -3));
    // What is left pays a stake of exactly its size: 5, 4 asks 2 at -1, 3 of B = 3;
    // 5, 5, 4 asks 3 at -3, 6 of B = 6.
    std::vector<std::uint64_t> ruined;
    for (const RuinRisk& risk : report.ruin)
        ruined.push_back(risk.observed->ruinedSessions);
    EXPECT_EQ(ruined, (std::vector<std::uint64_t>{3, 2, 1, 0}));
}

// 5 misses at 1 unit (-1); 4 hits its plein at half of 1 unit: 18 - 2 = +16, the partie ends at +15 after 2 spins. Then
// four misses at 1, 2, 3, 4 units leave a partie open at -10. Turnover 1+2+1+2+3+4 = 13, result -1+16-10 = 5. A table
// limit of 100 is never reached.
TEST(RunFigures, TheTextReportOfASmallRunWorkedOutByHand)
{
    Report report = makeReport(run(recorded({{5, 4, 36, 36, 36, 36}}), 1, false, {false, 100}).totals, {5, 10}, 0.01, false);
    report.play = {false, 100};
    std::ostringstream text;
    writeTextReport(text, report);
    EXPECT_EQ(text.str(), R"(Tavrel-Simulation: 1 Session, gespielte Coups, ohne „Stufe halten“, Tischlimit 100 Einheiten je Cheval

  Coups gespielt                           6
  davon ausgewertet                        6
  Partien abgeschlossen                    1
  davon vor dem Tischlimit aufgegeben      0
  Partien offen am Ende                    1   längste 4 Coups, tiefster Saldo -10

  Partien                     Median        90 %        99 %       äußerstes
  Länge in Coups                   2           2           2               4
  tiefster Partie-Saldo           -1          -1          -1             -10
  (Median und Perzentile: abgeschlossene Partien; äußerstes: alle, auch die offenen)
  größter Einsatz eines Coups: Median der Sessions 4, höchster 4

  Umsatz (Summe der Einsätze)               13
  Ergebnis (Summe der Saldi)                 5
  Ergebnis je Umsatz                   38,46 %   (fairer Kessel: -1/37 = -2,70 %)

  Ruinrisiko: Anteil der Sessions, in denen ein Einsatz den Rest von B überstieg
  (Rest von B: B plus der Saldo der Partie vor dem Coup; jede Partie hat B von neuem)
         Kapital B      Sessions       Anteil    95-%-Wilson-Intervall
                 5             1     100,00 %    20,65 % – 100,00 %
                10             0       0,00 %    0,00 % – 79,35 %
  Kapital für höchstens 1 % Risiko: 10 (95 %: 10 bis 10)

  Überlauf von Anzahl_Coups (32 Bit), Zähler steht          0

  Perzentile nach dem Nearest-Rank-Verfahren.
)");
}

TEST(RunFigures, AStopBeforeAnySessionFinishedShowsNoRiskFigure)
{
    const auto outcome = run(simulatedWheels(4, 100, 1), 2, true);
    EXPECT_TRUE(outcome.partial);
    EXPECT_EQ(outcome.totals.sessions, 0u);
    const Report report = makeReport(outcome.totals, {100}, 0.005, true);
    std::ostringstream text;
    writeTextReport(text, report);
    EXPECT_NE(text.str().find("               100             –            –    –\n"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("größter Einsatz eines Coups: Median der Sessions –, höchster –"), std::string::npos);
    EXPECT_NE(text.str().find("Kapital für höchstens 0,5 % Risiko: –\n"), std::string::npos);
    EXPECT_NE(text.str().find("Partien offen am Ende" + std::string(20, ' ') + "0\n"), std::string::npos); // with no "längste"
    const auto json = reportJson(report);
    for (const char* key : {"sessions", "share", "low", "high"})
        EXPECT_TRUE(json.at("ruin").at(0).at(key).is_null()) << key;
    EXPECT_EQ(json.at("capitalForRisk"), nlohmann::ordered_json::parse(R"({"risk": 0.005, "capital": null, "low": null, "high": null})"));
}

TEST(Statistics, NearestRankPercentiles)
{
    Tally three;
    three.add(-7);
    three.add(3, 2);
    EXPECT_EQ(std::tuple(three.percentile(33), three.percentile(34), Tally().percentile(50)), std::tuple(-7, 3, std::nullopt));
}

TEST(Statistics, GermanNumbers)
{
    EXPECT_EQ(grouped(std::numeric_limits<std::int64_t>::min()), "-9.223.372.036.854.775.808");
    EXPECT_EQ(std::tuple(percent(-0.00001), riskText(0.015), riskText(0.005), riskText(0.01)),
              std::tuple("0,00 %", "1,5 %", "0,5 %", "1 %"));
}

// Numbers as the report prints them, too.
TEST(Options, BankrollsAreSortedWithoutDuplicatesAndFlagsAreTaken)
{
    const SimOptions options = parseOptions({"--bankroll", "1.000.000,100,10000,100,1.000", "--halten", "--limit", "2.147.483.647", "--risk", "1,5"});
    EXPECT_EQ(options.bankrolls, (std::vector<std::int64_t>{100, 1'000, 10'000, 1'000'000}));
    EXPECT_EQ(std::tuple(options.play.stufeHalten, options.play.limit), std::tuple(true, 2'147'483'647));
    EXPECT_DOUBLE_EQ(options.risk, 0.015);
    EXPECT_DOUBLE_EQ(parseOptions({"--risk=0.5"}).risk, 0.005);
}

} // namespace
