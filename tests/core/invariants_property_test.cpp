#include "invariants.h"

#include "tavrel/tavrel_system.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>
#include <rapidcheck/state.h>

#include <ostream>

namespace tavrel::test {

namespace {

// What the player has done so far, as far as the rules' bookkeeping shows it.
struct Session {
    int spins = 0;
    int rowsShown = 0;
};

using Command = rc::state::Command<Session, TavrelSystem>;

void expectInvariants(const TavrelSystem& sys, const Session& session)
{
    for (const auto& broken : invariantViolations(sys))
        RC_FAIL(broken);
    RC_ASSERT(sys.Anzahl_Coups == session.spins);
    RC_ASSERT(sys.Frm_Tavrel.Grid.RowCount() == session.rowsShown);
}

struct Click : Command {
    // Mostly the twenty cheval numbers and a few others, so that parties are won and lost.
    int number = *rc::gen::weightedOneOf<int>({
        {3, rc::gen::elementOf(std::vector<int>{0, 2, 1, 4, 6, 3, 8, 5, 7, 10, 20, 21, 19, 22, 24, 27, 23, 26, 25, 28})},
        {2, rc::gen::inRange(0, 37)},
    });

    void apply(Session& s) const override
    {
        ++s.spins;
        ++s.rowsShown;
    }
    void run(const Session& s, TavrelSystem& sys) const override
    {
        sys.xpLabel_Tableau_Click(static_cast<std::int16_t>(number));
        Session after = s;
        apply(after);
        expectInvariants(sys, after);
    }
    void show(std::ostream& os) const override { os << "click " << number; }
};

struct ToggleSwitch : Command {
    int index = *rc::gen::inRange(0, 2);

    void run(const Session& s, TavrelSystem& sys) const override
    {
        sys.clickSwitch(static_cast<std::int16_t>(index));
        expectInvariants(sys, s);
    }
    void show(std::ostream& os) const override { os << (index == 0 ? "aktiv" : "halten"); }
};

struct Reset : Command {
    void apply(Session& s) const override { s.rowsShown = 0; }
    void run(const Session& s, TavrelSystem& sys) const override
    {
        sys.M_Reset_Click();
        Session after = s;
        apply(after);
        expectInvariants(sys, after);
        RC_ASSERT(sys.Frm_Tavrel.xpCheck.Value(0) == 0 && sys.Frm_Tavrel.xpCheck.Value(1) == 0);
    }
    void show(std::ostream& os) const override { os << "reset"; }
};

} // namespace

RC_GTEST_PROP(Invariants, HoldAfterEveryEventOfARandomSession, ())
{
    TavrelSystem sys;
    sys.Form_Load();
    rc::state::check(Session{}, sys,
                     rc::state::gen::execOneOfWithArgs<Click, Click, Click, Click, Click, ToggleSwitch, Reset>());
}

} // namespace tavrel::test
