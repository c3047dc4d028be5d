#include "tavrel/evening_file.h"
#include "tavrel/player_session.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

namespace tavrel::test {

namespace {

TableEvent eventOf(int code) // 0 to 36 a click, then the switches, Reset and undo
{
    return code < NumberCount ? TableEvent{TableEvent::Kind::Click, static_cast<std::uint8_t>(code)}
                              : TableEvent{static_cast<TableEvent::Kind>(code - NumberCount + 1)};
}

struct Seen {
    TavrelSystem system;
    std::vector<CoupRow> rows;
    bool operator==(const Seen&) const = default;
};

Seen seen(const PlayerSession& session)
{
    return {session.system(), {session.rows().begin(), session.rows().end()}};
}

} // namespace

RC_GTEST_PROP(EveningFile, AnEveningReadBackPlaysToTheSameSessionAndItsUndoGoesOnAlike, ())
{
    const auto codes = *rc::gen::container<std::vector<int>>(rc::gen::weightedOneOf<int>(
        {{8, rc::gen::inRange(0, NumberCount)}, {2, rc::gen::inRange(NumberCount, NumberCount + 4)}}));
    PlayerSession played;
    for (int code : codes)
        played.play(eventOf(code));

    const EveningRead read = readEvening(eveningText(played.events()));
    RC_ASSERT(!read.error);
    RC_ASSERT(read.events == played.events());
    PlayerSession opened;
    for (const TableEvent& event : read.events)
        opened.play(event);
    RC_ASSERT(seen(opened) == seen(played));
    while (played.undo()) {
        RC_ASSERT(opened.undo());
        RC_ASSERT(seen(opened) == seen(played));
    }
    RC_ASSERT(!opened.canUndo());
}

TEST(EveningFile, TheStandingSpinsAreTheClicksLessThoseAnUndoTookBack)
{
    const EveningRead read = readEvening("# Tavrel-Abend\nclick 5\naktiv\nclick 7\nclick 9\nundo\n\nhalten\nundo\n"
                                         "# a comment\nclick 3\nundo\nundo\nreset\nclick 0\n");
    ASSERT_FALSE(read.error);
    EXPECT_EQ(standingSpins(read.events), (std::vector<std::int16_t>{5, 7, 0}));
}

} // namespace tavrel::test
