#include "tavrel/number_text.h"
#include "tavrel/player_session.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <numeric>

namespace tavrel::test {

namespace {

// What the system must hold between any two user events: every broken rule, in words.
std::vector<std::string> invariantViolations(const TavrelSystem& sys)
{
    const auto& c = sys.Frm_Tavrel;
    std::vector<std::string> broken;
    const auto check = [&](bool holds, const char* rule) {
        if (!holds)
            broken.push_back(rule);
    };
    int m = 0; // active chevals
    while (m < ChevalCount && c.lbl_Cheval(m).Visible())
        ++m;

    std::vector<std::string> expectedList;
    for (int k = 0; k < ChevalCount; ++k) {
        const Cheval& ch = ChevalTable[k];
        const bool active = k < m;
        check(c.lbl_Cheval(k).Visible() == active, "active chevals are the first m");
        check(active == (sys.Einsatz_Cheval(k) > 0), "a cheval has a stake exactly while active");
        const float half = static_cast<float>(sys.Einsatz_Cheval(k)) / 2;
        check(sys.Einsatz_Plein(ch.first) == half && sys.Einsatz_Plein(ch.second) == half,
              "each number of a cheval carries half its units");
        if (active) {
            expectedList.push_back(decimalText(ch.first));
            expectedList.push_back(decimalText(ch.second));
            check(c.lbl_Cheval(k).Caption() == std::string(ch.captionPrefix) + decimalText(sys.Einsatz_Cheval(k)),
                  "a visible cheval label shows its stake");
        }
    }
    check(c.List.items() == expectedList, "the list holds the pleins of the active chevals in order");
    check(sys.Anzahl_Pleins == 2 * m, "Anzahl_Pleins is twice the active chevals");

    for (int n = 0; n < NumberCount; ++n) {
        const bool plein = std::find(expectedList.begin(), expectedList.end(), decimalText(n)) != expectedList.end();
        check(c.Check.Value(n) == (plein ? 1 : 0), "Check marks exactly the active pleins");
        check(c.xpLabel_Tableau.cell(n).backColor == (plein ? Yellow : FeltGreen), "active pleins are yellow");
        check(c.xpLabel_Tableau.cell(n).numberColor == NumberColor(n), "numbers keep their colour");
        if (!plein)
            check(sys.Einsatz_Plein(n) == 0, "a number on no active cheval carries nothing");
    }

    check(c.Check.Value(0) == c.xpCheck.Value(0), "a partie runs exactly while System aktiv is checked");
    check((m > 0) == (c.Check.Value(0) == 1), "a running partie has cheval 0,2");
    const int sum = std::accumulate(sys.Einsatz_Cheval.begin(), sys.Einsatz_Cheval.end(), 0);
    check(sys.Einsatz == sum, "Einsatz is the sum of the cheval stakes");
    if (m < ChevalCount)
        check(sys.Stufe == m, "during the build-up Stufe counts the active chevals");
    else
        check(sys.Stufe >= 1 && sys.Stufe <= 10, "in the progression Stufe cycles through 1 to 10");
    check(sys.Partie <= 0, "a partie above 0 has ended");

    check(c.Lbl_Pleins.Caption() == "Pleins= " + decimalText(sys.Anzahl_Pleins), "Lbl_Pleins mirrors Anzahl_Pleins");
    check(c.Lbl_Stufe.Caption() == "Stufe= " + decimalText(sys.Stufe), "Lbl_Stufe mirrors Stufe");
    check(c.Grid.CurrentRow() == c.Grid.RowCount(), "the newest row is the current one");
    if (c.Grid.RowCount() > 0)
        check(c.Grid.CellText(c.Grid.RowCount(), 1) == blankThen(sys.Anzahl_Coups), "the newest row counts every spin");
    return broken;
}

// Everything a player could see or the rules could read.
struct ObservableState {
    M_Tavrel variables;
    ControlsSnapshot controls;
    std::vector<std::vector<std::string>> rows;
    bool operator==(const ObservableState&) const = default;
};

ObservableState capture(const TavrelSystem& sys)
{
    const auto& grid = sys.Frm_Tavrel.Grid;
    ObservableState s{sys, sys.Frm_Tavrel.snapshot(), {}};
    for (int r = 1; r <= grid.RowCount(); ++r) {
        auto& row = s.rows.emplace_back();
        for (int col = 1; col <= static_cast<int>(grid.columns().size()); ++col)
            row.push_back(grid.CellText(r, col));
    }
    return s;
}

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
    const auto watching = session.history.availabilityChanged.subscribe([&](bool can) { availability.push_back(can); });
    for (int event : {5, FirstSwitch, 5, 4, ResetEvent}) // a switch or a reset ends the chain
        play(session, event);
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
