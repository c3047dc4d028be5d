#include "replay_command.h"
#include "replay_run.h"
#include "replay_session.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace tavrel::replay {

using nlohmann::json;
using Strings = std::vector<std::string>;

TEST(ReplayParser, ReadsEveryCommandAndSkipsBlankAndCommentLines)
{
    EXPECT_EQ(std::get<Click>(*parseLine("click 36").command).cell, 36);
    EXPECT_EQ(std::get<Click>(*parseLine("  click\t0 ").command).cell, 0);
    EXPECT_EQ(std::get<ToggleSwitch>(*parseLine("aktiv").command).index, 0);
    EXPECT_EQ(std::get<ToggleSwitch>(*parseLine("halten").command).index, 1);
    EXPECT_TRUE(std::holds_alternative<Reset>(*parseLine("reset\r").command));
    EXPECT_TRUE(std::holds_alternative<Dump>(*parseLine("dump").command));
    for (const char* skipped : {"", "   ", "# a comment", "#click 5"}) {
        const ParsedLine parsed = parseLine(skipped);
        EXPECT_FALSE(parsed.command) << skipped;
        EXPECT_TRUE(parsed.error.empty()) << skipped;
    }
}

TEST(ReplayParser, RejectsMalformedLines)
{
    for (const char* bad : {"klick 5", "click", "click 5 6", "click 37", "click -1", "click 4.5", "click x",
                            "click +3", "click 99999999999999999999", "aktiv 1", "reset now", "dump all", "CLICK 5"}) {
        const ParsedLine parsed = parseLine(bad);
        EXPECT_FALSE(parsed.command) << bad;
        EXPECT_FALSE(parsed.error.empty()) << bad;
    }
}

TEST(ReplaySession, PlaysTheRoadOfOnePartie)
{
    const ReplayRun run = replay("# the road\naktiv\n\nclick 5\nclick 4\n");
    ASSERT_EQ(run.status, Ok);
    ASSERT_EQ(run.lines.size(), 1u) << "one final dump";
    const json& d = run.lines[0];
    EXPECT_EQ(d["rows"], json::parse(R"([[" 1","5"," 0, 2","-"," 1"," -1"," -1"," -1"],
                                          [" 2","4"," 0, 2, 1, 4","Treffer"," 2"," 16"," 15"," 15"]])"));
    EXPECT_EQ(d["currentRow"], 2);
    EXPECT_EQ(d["list"], json(Strings{"0", "2"}));
    EXPECT_EQ(d["lblStufe"], "Stufe= 1");
    EXPECT_EQ(d["lblPleins"], "Pleins= 2");
    EXPECT_EQ(d["switches"], json::parse("[1, 0]"));
    EXPECT_EQ(d["chevalCaption"][1], "1,4= 1");
    EXPECT_EQ(d["chevalVisible"][1], false);
    EXPECT_EQ(d["cellBack"][0], 0x00FFFF);
    EXPECT_EQ(d["cellNumber"][1], 0x0000FF);
    EXPECT_EQ(d["state"]["Einsatz"], 1);
    EXPECT_EQ(d["state"]["Partie"], 0);
    EXPECT_EQ(d["state"]["Gesamt"], 15);
    EXPECT_EQ(d["state"]["Einsatz_Plein"].size(), 37u);
}

TEST(ReplaySession, DumpsHaveExactlyTheDocumentedKeys)
{
    const ReplayRun run = replay("dump\nreset\n");
    ASSERT_EQ(run.lines.size(), 2u);
    Strings keys, stateKeys;
    for (const auto& [key, value] : run.lines[0].items())
        keys.push_back(key);
    for (const auto& [key, value] : run.lines[0]["state"].items())
        stateKeys.push_back(key);
    std::sort(keys.begin(), keys.end());
    std::sort(stateKeys.begin(), stateKeys.end());
    EXPECT_EQ(keys, (Strings{"cellBack", "cellNumber", "check", "chevalCaption", "chevalVisible", "currentRow",
                             "lblPleins", "lblStufe", "list", "rows", "state", "switches"}));
    EXPECT_EQ(stateKeys, (Strings{"Anzahl_Coups", "Anzahl_Pleins", "Einsatz", "Einsatz_Cheval", "Einsatz_Plein",
                                  "Gefallene_Zahl", "Gesamt", "Partie", "Pleins_Gesetzt", "Saldo", "Stufe", "Treffer"}));
    EXPECT_EQ(run.lines[0]["chevalCaption"], json(Strings(10, "")));
}

TEST(ReplaySession, AMalformedLineStopsWithItsNumberAndKeepsEarlierDumps)
{
    const ReplayRun run = replay("click 3\ndump\n\nclick 40\nclick 5\n");
    EXPECT_EQ(run.status, MalformedLine);
    ASSERT_EQ(run.lines.size(), 1u) << "no final dump after an error";
    EXPECT_EQ(run.lines[0]["rows"].size(), 1u);
    EXPECT_NE(run.errors.find("line 4"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("click 40"), std::string::npos) << run.errors;
}

TEST(ReplaySession, UndoTakesBackClicksAndNothingElse)
{
    const ReplayRun undone = replay("aktiv\nclick 9\nclick 5\nundo\nundo\nundo\n");
    const ReplayRun onlyAktiv = replay("aktiv\n");
    ASSERT_EQ(undone.status, Ok);
    EXPECT_EQ(undone.lines, onlyAktiv.lines) << "the third undo finds nothing to take back";
    EXPECT_EQ(parseLine("undo 2").command, std::nullopt);
}

// The installed tool, fed through a pipe as a tester would use it.
TEST(ReplayTool, RunsFromStandardInput)
{
    const std::string tool = TAVREL_REPLAY_PATH;
    auto runTool = [&](const std::string& input, std::string& output) {
        const std::string command = "printf '" + input + "' | " + tool + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        return WEXITSTATUS(pclose(pipe));
    };
    std::string road, bad;
    EXPECT_EQ(runTool("aktiv\\nclick 5\\nclick 4\\n", road), 0);
    EXPECT_EQ(json::parse(road)["rows"][1][2], " 0, 2, 1, 4");
    EXPECT_EQ(runTool("click 5\\nbogus\\n", bad), 2);
    EXPECT_NE(bad.find("line 2"), std::string::npos) << bad;
}

} // namespace tavrel::replay
