#include "replay_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace tavrel::replay {

using nlohmann::json;

namespace {

// The lines a run wrote before its final state dump.
std::vector<json> answers(const std::string& script)
{
    ReplayRun run = replay(script);
    EXPECT_EQ(run.status, Ok) << run.errors;
    EXPECT_TRUE(run.lines.back().contains("rows")) << "the final dump closes a clean run";
    run.lines.pop_back();
    return run.lines;
}

} // namespace

TEST(ReplayGeometry, AnswersDistanceComponentsAndRadians)
{
    const auto out = answers("distance 0 0 3 4\ndistance 0 0 0 -7\ndistance 5 5 5 5\ndistance 0 0 2 3\n"
                             "distance 0 0 700 714\ndistance 0 0 700 715\n"
                             "angle 0 1785\nangle 45 1785\nangle 90 1785\nangle 270 1785\nangle 360.9999 1785\n"
                             "deg 180\ndeg 1\ndeg -0.5\n");
    const std::vector<json> expected = {
        {{"distance", 5}}, {{"distance", 7}}, {{"distance", 0}}, {{"distance", 4}}, {{"distance", 1000}},
        {{"distance", 1001}}, {{"x", 1785}, {"y", 0}}, {{"x", 1262}, {"y", -1262}}, {{"x", 0}, {"y", -1785}},
        {{"x", 0}, {"y", 1785}}, {{"x", 1785}, {"y", -31}}, {{"rad", 3.141592653589794}},
        {{"rad", 0.0174532925199433}}, {{"rad", -0.5 * 0.0174532925199433}}};
    EXPECT_EQ(out, expected);
}

TEST(ReplayGeometry, RadiansRoundTripAsDoubles)
{
    std::istringstream in("deg 180\ndeg 33.3\n");
    std::ostringstream out, err;
    ASSERT_EQ(runReplay(in, out, err), Ok);
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, R"({"rad":3.141592653589794})");
    std::getline(lines, line);
    EXPECT_EQ(json::parse(line)["rad"].get<double>(), 33.3 * 0.0174532925199433);
}

TEST(ReplayParticles, WorkedExampleWithItemsAndTheirFivePoints)
{
    const auto out = answers("particles\nadd 100 200 0 1193046 7 1000\nparticles\n"
                             "update 400\nupdate 400\nupdate 400\nparticles\n");
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], json::parse(R"({"count": 0, "items": [], "points": []})"));
    EXPECT_EQ(out[1]["items"], json::parse("[[0, 0, 255000, 1785, 0, 25500, 51000, 1193046]]"));
    EXPECT_EQ(out[2]["count"], 1);
    EXPECT_EQ(out[2]["items"], json::parse("[[5355, 1200, 255000, 1785, 1200, 30855, 52200, 1193046]]"));
    EXPECT_EQ(out[2]["points"], json::parse("[[121, 204, 1193046], [131, 214, 1193046], [141, 184, 1193046],"
                                            " [111, 214, 1193046], [111, 194, 1193046]]"));
    // The keys come in the documented order.
    EXPECT_EQ(out[2].dump().substr(0, 19), R"({"count":1,"items":)");
}

TEST(ReplayParticles, RetirementsAndRemovalsKeepTheOrder)
{
    const auto out = answers("add 0 0 0 1 7 1000\nadd 0 0 0 2 7 0\nadd 0 0 0 3 7 0\nadd 0 0 0 4 7 1000\n"
                             "add 0 0 0 5 7 1000\nupdate 400\nparticles\nremove 2\nremove 9\nremove -1\nparticles\n");
    ASSERT_EQ(out.size(), 2u);
    std::vector<int> colours;
    for (const json& item : out[0]["items"]) {
        colours.push_back(item[7]);
        EXPECT_EQ(item[0], 1785) << "every survivor moved exactly once";
    }
    EXPECT_EQ(colours, (std::vector<int>{1, 4, 5}));
    EXPECT_EQ(out[0]["points"].size(), 15u);
    EXPECT_EQ(out[1]["count"], 2);
    EXPECT_EQ(out[1]["items"][1][7], 5);
}

TEST(ReplayParticles, EveryRunStartsWithAFreshList)
{
    answers("add 1 2 90 3 7 1000\nadd 1 2 90 3 7 1000\n");
    const auto out = answers("particles\n");
    EXPECT_EQ(out.at(0)["count"], 0);
}

TEST(ReplayParticles, MalformedLinesStopTheRunWithStatus2)
{
    for (const char* bad : {"add 1 2 3 4 5", "add 1 2 3 4 5 6 7", "add 1.5 2 3 4 5 6", "add 1 2 x 4 5 6",
                            "add 1 2 3 4 5 2147483648", "add -2147483649 2 3 4 5 6", "update", "update 4 4",
                            "update abc", "remove", "remove 1.0", "particles now", "distance 1 2 3",
                            "distance 1 2 3 4294967296", "angle 90", "angle nan 5", "angle 1 2.5", "deg", "deg inf",
                            "deg 1 2", "Deg 1"}) {
        const ReplayRun run = replay(std::string("deg 0\n") + bad + "\ndeg 1\n");
        EXPECT_EQ(run.status, MalformedLine) << bad;
        EXPECT_EQ(run.lines.size(), 1u) << bad;
        EXPECT_NE(run.errors.find(std::string("line 2: ")), std::string::npos) << run.errors;
        EXPECT_NE(run.errors.find(bad), std::string::npos) << run.errors;
    }
    EXPECT_EQ(answers("distance -2147483648 5 -2147483648 2147483647\nangle 1e2 2147483647\n").size(), 2u);
}

TEST(ReplayParticles, OverflowIsARunTimeErrorWithStatus1)
{
    for (const char* failing : {"add 8421505 0 0 0 7 1000", "add 0 0 0 0 8421505 1000", "distance 0 0 40000 40000",
                                "distance -2147483648 0 1 0", "angle 0 -2147483648", "remove 0"}) {
        const ReplayRun run = replay(std::string("deg 0\n") + failing + "\ndeg 1\n");
        EXPECT_EQ(run.status, RunTimeFailure) << failing;
        ASSERT_EQ(run.lines.size(), 1u) << failing << ": the line before stays, nothing after, no final dump";
        EXPECT_EQ(run.lines[0], json({{"rad", 0.0}}));
        EXPECT_NE(run.errors.find("line 2: run-time error"), std::string::npos) << run.errors;
    }

    // A particle at the edge of what scale 255 holds overflows on its first move.
    const ReplayRun run = replay("add 8421504 0 0 0 7 1000\nparticles\nupdate 400\nparticles\n");
    EXPECT_EQ(run.status, RunTimeFailure);
    EXPECT_EQ(run.lines.size(), 1u);
    EXPECT_NE(run.errors.find("line 3: "), std::string::npos) << run.errors;
}

} // namespace tavrel::replay
