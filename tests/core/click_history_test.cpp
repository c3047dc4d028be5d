#include "observable_state.h"

#include "tavrel/player_session.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

namespace tavrel::test {

namespace {

// A player's event: a number 0 to 36 is a click, 37 and 38 the two switches, 39 the reset.
void play(PlayerSession& session, int event)
{
    if (event <= 36)
        session.clickCell(static_cast<std::int16_t>(event));
    else if (event <= 38)
        session.clickSwitch(static_cast<std::int16_t>(event - 37));
    else
        session.reset();
}

rc::Gen<int> playerEvent()
{
    return rc::gen::weightedOneOf<int>({{12, rc::gen::inRange(0, 37)}, {2, rc::gen::inRange(37, 39)}, {1, rc::gen::just(39)}});
}

} // namespace

RC_GTEST_PROP(ClickHistory, UndoingTheLastClicksIsAsIfTheyNeverHappened, ())
{
    const auto before = *rc::gen::container<std::vector<int>>(playerEvent());
    const auto clicks = *rc::gen::nonEmpty(rc::gen::container<std::vector<int>>(rc::gen::inRange(0, 37)));
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

TEST(ClickHistory, OnlyAnUnbrokenChainOfClicksCanBeTakenBack)
{
    PlayerSession session;
    session.system.Form_Load();
    std::vector<bool> availability;
    const auto watching = session.history.availabilityChanged.subscribe([&](bool available) { availability.push_back(available); });

    EXPECT_FALSE(session.history.canUndo()) << "nothing to take back on a fresh start";
    session.clickCell(5);
    EXPECT_TRUE(session.history.canUndo());
    session.clickSwitch(0);
    EXPECT_FALSE(session.history.canUndo()) << "a switch ends the chain";
    session.clickCell(5);
    session.clickCell(4);
    session.reset();
    EXPECT_FALSE(session.history.canUndo()) << "a reset ends the chain";
    const auto afterReset = capture(session.system);
    session.undo();
    EXPECT_EQ(capture(session.system), afterReset) << "an undo with nothing to take back does nothing";
    EXPECT_EQ(availability, (std::vector<bool>{true, false, true, false}));
}

TEST(ClickHistory, GoesBackAsFarAsItsDepth)
{
    PlayerSession session;
    session.system.Form_Load();
    const std::size_t clicks = ClickHistory::Depth + 5;
    for (std::size_t i = 0; i < clicks; ++i)
        session.clickCell(9);
    std::size_t undone = 0;
    for (; session.history.canUndo(); ++undone)
        session.undo();
    EXPECT_EQ(undone, ClickHistory::Depth);
    EXPECT_EQ(session.system.Frm_Tavrel.Grid.RowCount(), 5);
    EXPECT_EQ(session.system.Anzahl_Coups, 5);
}

} // namespace tavrel::test
