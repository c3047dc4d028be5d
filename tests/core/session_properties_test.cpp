#include "table_fixture.h"
#include "tavrel/number_text.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <numeric>

namespace tavrel::test {

namespace {

// What the session must show between any two user events: every broken rule, in words.
std::vector<std::string> invariantViolations(const PlayerSession& session)
{
    const TavrelSystem& sys = session.system();
    const ControlsSnapshot c = controlsShowing(sys, session.rowCount());
    std::vector<std::string> broken;
    const auto check = [&](bool holds, const char* rule) {
        if (!holds)
            broken.push_back(rule);
    };
    int m = 0; // active chevals
    while (m < ChevalCount && c.chevals[m].visible)
        ++m;

    std::vector<std::string> expectedList;
    for (int k = 0; k < ChevalCount; ++k) {
        const Cheval& ch = ChevalTable[k];
        const bool active = k < m;
        check(c.chevals[k].visible == active, "active chevals are the first m");
        check(active == (sys.Einsatz_Cheval[k] > 0), "a cheval has a stake exactly while active");
        const float half = static_cast<float>(sys.Einsatz_Cheval[k]) / 2;
        check(sys.Einsatz_Plein(ch.first) == half && sys.Einsatz_Plein(ch.second) == half,
              "each number of a cheval carries half its units");
        if (active) {
            expectedList.push_back(decimalText(ch.first));
            expectedList.push_back(decimalText(ch.second));
            check(c.chevals[k].caption == std::string(ch.captionPrefix) + decimalText(sys.Einsatz_Cheval[k]),
                  "a visible cheval label shows its stake");
        }
    }
    check(c.list == expectedList, "the list holds the pleins of the active chevals in order");
    check(sys.Anzahl_Pleins == 2 * m, "Anzahl_Pleins is twice the active chevals");

    for (int n = 0; n < NumberCount; ++n) {
        const bool plein = std::find(expectedList.begin(), expectedList.end(), decimalText(n)) != expectedList.end();
        check(c.check[n] == (plein ? 1 : 0), "Check marks exactly the active pleins");
        check(c.cells[n].backColor == (plein ? Yellow : FeltGreen), "active pleins are yellow");
        if (!plein)
            check(sys.Einsatz_Plein(n) == 0, "a number on no active cheval carries nothing");
    }

    check(c.check[0] == c.switches[0], "a partie runs exactly while System aktiv is checked");
    check((m > 0) == (c.check[0] == 1), "a running partie has cheval 0,2");
    const int sum = std::accumulate(sys.Einsatz_Cheval.begin(), sys.Einsatz_Cheval.end(), 0);
    check(sys.Einsatz == sum, "Einsatz is the sum of the cheval stakes");
    if (m < ChevalCount)
        check(sys.Stufe == m, "during the build-up Stufe counts the active chevals");
    else
        check(sys.Stufe >= 1 && sys.Stufe <= 10, "in the progression Stufe cycles through 1 to 10");
    check(sys.Partie <= 0, "a partie above 0 has ended");
    return broken;
}

constexpr int FirstSwitch = 37;
constexpr int ResetEvent = 39;

// Clicks lean to the chevals' numbers, so that parties are both won and lost.
rc::Gen<int> playerEvent()
{
    return rc::gen::weightedOneOf<int>({
        {6, rc::gen::elementOf(std::vector<int>{0, 2, 1, 4, 6, 3, 8, 5, 7, 10, 20, 21, 19, 22, 24, 27, 23, 26, 25, 28})},
        {6, rc::gen::inRange(0, FirstSwitch)},
        {2, rc::gen::inRange(FirstSwitch, ResetEvent)},
        {1, rc::gen::just(ResetEvent)},
    });
}

} // namespace

RC_GTEST_PROP(PlayerSession, TheRulesHoldAfterEveryEvent, ())
{
    const auto events = *rc::gen::container<std::vector<int>>(playerEvent());
    PlayerSession session;
    int spins = 0, rows = 0;
    for (int event : events) {
        session.play(eventOf(event));
        spins += event < FirstSwitch;
        rows = event == ResetEvent ? 0 : rows + (event < FirstSwitch);
        for (const auto& broken : invariantViolations(session))
            RC_FAIL(broken);
        RC_ASSERT(session.system().Anzahl_Coups == spins);
        RC_ASSERT(session.rowCount() == rows);
        if (event >= FirstSwitch) // a switch or a reset ends the chain of clicks that can be taken back
            RC_ASSERT(!session.canUndo());
        if (event == ResetEvent)
            RC_ASSERT(!session.system().systemAktiv && !session.system().stufeHalten);
    }
}

RC_GTEST_PROP(Undo, UndoingTheLastClicksIsAsIfTheyNeverHappened, ())
{
    const auto before = *rc::gen::container<std::vector<int>>(playerEvent());
    const auto clicks = *rc::gen::nonEmpty(rc::gen::container<std::vector<int>>(rc::gen::inRange(0, FirstSwitch)));
    const auto k = *rc::gen::inRange<std::size_t>(1, clicks.size() + 1);

    PlayerSession played, undone;
    for (int event : before) {
        played.play(eventOf(event));
        undone.play(eventOf(event));
    }
    for (std::size_t i = 0; i + k < clicks.size(); ++i)
        played.play(eventOf(clicks[i]));
    for (int click : clicks)
        undone.play(eventOf(click));
    for (std::size_t i = 0; i < k; ++i) {
        RC_ASSERT(undone.canUndo());
        undone.undo();
    }
    RC_ASSERT(seen(undone) == seen(played));

    // The next click after the undo gives the row it should.
    played.play(eventOf(17));
    undone.play(eventOf(17));
    RC_ASSERT(seen(undone) == seen(played));
}

TEST(Undo, GoesBackOnlySoFar)
{
    PlayerSession session;
    for (int event : {5, FirstSwitch, 5, 4, ResetEvent})
        session.play(eventOf(event));
    for (std::size_t i = 0; i < PlayerSession::UndoDepth + 5; ++i)
        session.clickCell(9);
    std::size_t undone = 0;
    for (; session.canUndo(); ++undone)
        session.undo();
    EXPECT_EQ(undone, PlayerSession::UndoDepth);
    EXPECT_EQ(session.system().Anzahl_Coups, 5 + 3);
    EXPECT_EQ(session.rowCount(), 5);
}

} // namespace tavrel::test
