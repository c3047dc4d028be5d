#include "table_fixture.h"
#include "tavrel/evening_file.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

namespace tavrel::test {

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
