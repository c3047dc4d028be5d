#include "replay_command.h"
#include "replay_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

namespace tavrel::replay {

using nlohmann::json;

TEST(ReplayParser, ReadsEachCommandSkipsCommentsAndRejectsEverythingElse)
{
    EXPECT_EQ(std::get<TableEvent>(*parseLine("  click\t36 ").command), (TableEvent{TableEvent::Kind::Click, 36}));
    EXPECT_EQ(std::get<TableEvent>(*parseLine("reset\r").command).kind, TableEvent::Kind::Reset);
    for (const char* skipped : {"", "   ", "# a comment"})
        EXPECT_TRUE(!parseLine(skipped).command && parseLine(skipped).error.empty()) << skipped;
    for (const char* bad : {"klick 5", "click", "click 5 6", "click 37", "click -1", "click 4.5", "click +3",
                            "click 99999999999999999999", "aktiv 1", "undo 2", "CLICK 5"})
        EXPECT_TRUE(!parseLine(bad).command && !parseLine(bad).error.empty()) << bad;
}

TEST(ReplaySession, DumpsEveryControlAndVariableOfAPlayedPartie)
{
    const ReplayRun run = replay("# a won partie\naktiv\n\nclick 5\nclick 4\n");
    ASSERT_EQ(run.status, Ok);
    ASSERT_EQ(run.lines.size(), 1u) << "one final dump";
    const json& d = run.lines[0];
    EXPECT_EQ(d["rows"], json::parse(R"([[" 1","5"," 0, 2","-"," 1"," -1"," -1"," -1"],
                                          [" 2","4"," 0, 2, 1, 4","Treffer"," 2"," 16"," 15"," 15"]])"));
    EXPECT_EQ(d["currentRow"], 2);
    EXPECT_EQ(d["list"], json::parse(R"(["0", "2"])"));
    EXPECT_EQ(d["lblStufe"], "Stufe= 1");
    EXPECT_EQ(d["lblPleins"], "Pleins= 2");
    EXPECT_EQ(d["switches"], json::parse("[1, 0]"));
    EXPECT_EQ(d["check"][2], 1);
    EXPECT_EQ(d["chevalCaption"][1], "1,4= 1");
    EXPECT_EQ(d["chevalVisible"][1], false);
    EXPECT_EQ(d["cellBack"][0], 0x00FFFF);
    EXPECT_EQ(d["cellNumber"][1], 0x0000FF);
    EXPECT_EQ(d["state"]["Gesamt"], 15);
    EXPECT_EQ(d["state"]["Pleins_Gesetzt"], " 0, 2, 1, 4");
    EXPECT_EQ(d["state"]["Einsatz_Cheval"][0], 1);
}

TEST(ReplaySession, UndoTakesBackClicksAndAMalformedLineStopsTheRun)
{
    const std::string typed = "aktiv\nclick 9\nclick 5\nundo\nundo\nundo\nreset\nclick 3\n";
    EXPECT_EQ(replay(typed).lines, replay("aktiv\nreset\nclick 3\n").lines);

    const ReplayRun run = replay("click 3\ndump\n\nclick 40\nclick 5\n");
    EXPECT_EQ(run.status, MalformedLine);
    ASSERT_EQ(run.lines.size(), 1u) << "no final dump after an error";
    EXPECT_NE(run.errors.find("line 4"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("click 40"), std::string::npos) << run.errors;
}

} // namespace tavrel::replay
