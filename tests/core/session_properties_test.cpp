#include "invariants.h"
#include "observable_state.h"

#include "tavrel/player_session.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

namespace tavrel::test {

namespace {

constexpr int FirstSwitch = 37;
constexpr int ResetEvent = 39;

// A player's event: a number 0 to 36 is a click, 37 and 38 the two switches, 39 the reset.
void play(PlayerSession& session, int event)
{
    if (event < FirstSwitch)
        session.clickCell(static_cast<std::int16_t>(event));
    else if (event < ResetEvent)
        session.clickSwitch(static_cast<std::int16_t>(event - FirstSwitch));
    else
        session.reset();
}

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
    session.system.Form_Load();
    int spins = 0, rows = 0;
    for (int event : events) {
        play(session, event);
        spins += event < FirstSwitch;
        rows = event == ResetEvent ? 0 : rows + (event < FirstSwitch);
        for (const auto& broken : invariantViolations(session.system))
            RC_FAIL(broken);
        RC_ASSERT(session.system.Anzahl_Coups == spins);
        RC_ASSERT(session.system.Frm_Tavrel.Grid.RowCount() == rows);
        if (event == ResetEvent)
            RC_ASSERT(session.system.Frm_Tavrel.snapshot().switches == (std::array<std::int32_t, 2>{0, 0}));
    }
}

RC_GTEST_PROP(ClickHistory, UndoingTheLastClicksIsAsIfTheyNeverHappened, ())
{
    const auto before = *rc::gen::container<std::vector<int>>(playerEvent());
    const auto clicks = *rc::gen::nonEmpty(rc::gen::container<std::vector<int>>(rc::gen::inRange(0, FirstSwitch)));
    const auto k = *rc::gen::inRange<std::size_t>(1, clicks.size() + 1);

    PlayerSession played, undone;
    played.system.Form_Load();
    undone.system.Form_Load();
    for (int event : before) {
        play(played, event);
        play(undone, event);
    }
    for (std::size_t i = 0; i + k < clicks.size(); ++i)
        play(played, clicks[i]);
    for (int click : clicks)
        play(undone, click);
    for (std::size_t i = 0; i < k; ++i) {
        RC_ASSERT(undone.history.canUndo());
        undone.undo();
    }
    RC_ASSERT(capture(undone.system) == capture(played.system));

    // The next click after the undo gives the row it should.
    play(played, 17);
    play(undone, 17);
    RC_ASSERT(capture(undone.system) == capture(played.system));
}

TEST(ClickHistory, OnlyAnUnbrokenChainOfClicksCanBeTakenBackAndOnlySoFar)
{
    PlayerSession session;
    session.system.Form_Load();
    std::vector<bool> availability;
    const auto watching = session.history.availabilityChanged.subscribe([&](bool possible) { availability.push_back(possible); });

    session.clickCell(5);
    session.clickSwitch(0); // a switch ends the chain
    session.clickCell(5);
    session.clickCell(4);
    session.reset(); // and so does a reset
    const auto afterReset = capture(session.system);
    session.undo();
    EXPECT_EQ(capture(session.system), afterReset) << "an undo with nothing to take back does nothing";
    EXPECT_EQ(availability, (std::vector<bool>{true, false, true, false}));

    for (std::size_t i = 0; i < ClickHistory::Depth + 5; ++i)
        session.clickCell(9);
    std::size_t undone = 0;
    for (; session.history.canUndo(); ++undone)
        session.undo();
    EXPECT_EQ(undone, ClickHistory::Depth);
    EXPECT_EQ(session.system.Anzahl_Coups, 5 + 3);
}

} // namespace tavrel::test
