#include "replay_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <vector>

namespace tavrel::replay {

using nlohmann::json;

TEST(ReplayParticles, GeometryAndParticleCommandsAnswerInJson)
{
    ReplayRun run = replay("distance 1 2 4 6\nangle 45 1785\ndeg 33.3\nparticles\n"
                           "add 100 200 0 1193046 7 1000\nadd 0 0 0 2 7 0\nupdate 400\nupdate 400\nupdate 400\n"
                           "add 0 0 0 3 7 1000\nremove 2\nremove 9\nparticles\n");
    ASSERT_EQ(run.status, Ok) << run.errors;
    ASSERT_EQ(run.lines.size(), 6u);
    EXPECT_EQ(run.lines[0], json({{"distance", 5}}));
    EXPECT_EQ(run.lines[1], json({{"x", 1262}, {"y", -1262}}));
    EXPECT_EQ(run.lines[2], json({{"rad", 33.3 * 0.0174532925199433}})); // a double that reads back the same
    EXPECT_EQ(run.lines[3], json::parse(R"({"count": 0, "items": [], "points": []})"));
    // The range-0 particle retired at the first update; the third removed again.
    EXPECT_EQ(run.lines[4].dump(), R"({"count":1,"items":[[5355,1200,255000,1785,1200,30855,52200,1193046]],)"
                                   R"("points":[[121,204,1193046],[131,214,1193046],[141,184,1193046],)"
                                   R"([111,214,1193046],[111,194,1193046]]})");
    EXPECT_TRUE(run.lines[5].contains("rows")) << "the final dump closes a clean run";
}

TEST(ReplayParticles, MalformedLinesStopTheRunWithStatus2AndOverflowWithStatus1)
{
    const std::vector<std::pair<int, std::string>> lines = {
        {MalformedLine, "add 1 2 3 4 5"}, {MalformedLine, "add 1 2 3 4 5 6 7"}, {MalformedLine, "add 1.5 2 3 4 5 6"},
        {MalformedLine, "add 1 2 x 4 5 6"}, {MalformedLine, "add 1 2 3 4 5 2147483648"}, {MalformedLine, "update"},
        {MalformedLine, "update 4 4"}, {MalformedLine, "remove 1.0"}, {MalformedLine, "particles now"},
        {MalformedLine, "distance 1 2 3 4294967296"}, {MalformedLine, "angle 90"}, {MalformedLine, "angle nan 5"},
        {MalformedLine, "angle 1 2.5"}, {MalformedLine, "deg inf"}, {MalformedLine, "deg 1.5x"},
        {MalformedLine, "deg 1 2"}, {MalformedLine, "Deg 1"}, {RunTimeFailure, "add 8421505 0 0 0 7 1000"},
        {RunTimeFailure, "distance 0 0 40000 40000"}, {RunTimeFailure, "angle 0 -2147483648"},
        {RunTimeFailure, "remove 0"}, {RunTimeFailure, "distance -2147483648 0 0 0"},
        {RunTimeFailure, "angle 180 -2147483648"}, {RunTimeFailure, "add 8421504 0 0 0 7 1000\nupdate 400"}};
    for (const auto& [status, line] : lines) {
        const ReplayRun run = replay("deg 0\n" + line + "\ndeg 1\n");
        EXPECT_EQ(run.status, status) << line;
        EXPECT_EQ(run.lines, std::vector<json>{json({{"rad", 0.0}})}) << line << ": nothing after, no final dump";
        const std::string where = "line " + std::to_string(2 + std::ranges::count(line, '\n')) + ": ";
        EXPECT_NE(run.errors.find(where), std::string::npos) << run.errors;
        EXPECT_NE(run.errors.find(line.substr(line.rfind('\n') + 1) + "\n"), std::string::npos) << run.errors;
    }
}

} // namespace tavrel::replay
