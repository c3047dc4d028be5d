#include <QImage>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct ToolRun { int status; std::string out, err; };

std::string contents(const fs::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Whether the process has a handler for SIGINT: its bit in the kernel's mask of caught signals.
bool catchesInterrupt(pid_t pid)
{
    const std::string status = contents("/proc/" + std::to_string(pid) + "/status");
    const auto at = status.find("SigCgt:");
    return at != std::string::npos && (std::stoull(status.substr(at + 7), nullptr, 16) >> (SIGINT - 1)) & 1;
}

class SimTool : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("tavrel-sim-test-" + std::to_string(getpid()));

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    fs::path file(const std::string& name, const std::string& text)
    {
        std::ofstream(dir / name) << text;
        return dir / name;
    }

    ToolRun runTool(const std::string& args, const std::string& input = "/dev/null")
    {
        const std::string command = std::string(TAVREL_SIM_PATH) + " " + args + " >" + (dir / "out").string() + " 2>"
                                    + (dir / "err").string() + " <" + input;
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), contents(dir / "out"), contents(dir / "err")};
    }
};

TEST_F(SimTool, BadInputGivesOneLineAndStatusTwo)
{
    const auto outside = file("outside.txt", "1, 2\n3 37 4\n").string();
    const auto letters = file("letters.txt", "1,2,x3\n").string();
    const auto empty = file("empty.txt", " \n,\n").string();
    const std::pair<std::string, std::string> cases[] = { // the arguments, and what the message must name
        {"--frob", "--frob"},
        {"--sessions", "--sessions"},
        {"--spins zwölf", "zwölf"},
        {"--seed 1x", "1x"},
        {"--sessions 0", "--sessions"},
        {"--spins 0", "--spins"},
        {"--threads -1", "--threads"},
        {"--bankroll 100,,1000", "--bankroll"},
        {"--json=yes", "--json"},
        {"--spins-from " + (dir / "missing.txt").string(), "missing.txt"},
        {"--spins-from " + dir.string(), dir.string()},
        {"--spins-from " + outside, outside + ":2:3"},
        {"--spins-from " + letters, letters + ":1:5"},
        {"--spins-from " + empty, empty},
        {"--spins-from " + outside + " --sessions 5", "--spins-from"},
    };
    for (const auto& [args, says] : cases) {
        SCOPED_TRACE(args);
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "") << "no report";
        EXPECT_TRUE(run.err.ends_with('\n') && run.err.find('\n') == run.err.size() - 1) << "one line: " << run.err;
        EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
    }
}

TEST_F(SimTool, RecordedSpinsFromFilesAndStandardInput)
{
    const auto first = file("first.txt", "5,4\n").string();
    const auto chart = (dir / "chart.png").string();
    const ToolRun run = runTool("--json --chart " + chart + " --spins-from " + first + " - --bankroll 1",
                                file("second.txt", "5 5\n4").string());
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage drawn(QString::fromStdString(chart));
    EXPECT_EQ(drawn.size(), QSize(800, 500));
    const auto pixels = [&](QRect area, const std::function<bool(QColor)>& wanted) {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found += wanted(drawn.pixelColor(x, y));
        return found;
    };
    const auto reddish = [](QColor c) { return c.red() > 150 && c.green() < 110 && c.blue() < 110; };
    EXPECT_GT(pixels(drawn.rect(), [](QColor c) { return c == QColor(30, 90, 170); }), 20) << "the depths' line";
    EXPECT_GT(pixels(drawn.rect(), reddish), 20) << "the ruin's points";
    EXPECT_EQ(pixels(QRect(0, 0, 60, 60), reddish), 0) << "no line from the corner";
    const auto report = nlohmann::json::parse(run.out);
    // Each file, and standard input as "-", is one session read to its end.
    for (const auto& [key, value] : {std::pair("sessions", 2), std::pair("spins", 5), std::pair("partiesCompleted", 2)})
        EXPECT_EQ(report.at(key), value) << key;
    EXPECT_EQ(report.at("deepestBalance").at("max"), -3);
}

TEST_F(SimTool, InterruptPrintsThePartialReportWithStatus130)
{
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::freopen((dir / "out").c_str(), "w", stdout);
        execl(TAVREL_SIM_PATH, TAVREL_SIM_PATH, "--json", "--quiet", "--sessions", "1000000", "--spins", "1000",
              "--threads", "2", static_cast<char*>(nullptr));
        _exit(127);
    }
    // Interrupt only once the tool catches the signal, however slowly it starts.
    while (!catchesInterrupt(child))
        usleep(10'000);
    usleep(300'000); // some sessions finish first
    kill(child, SIGINT);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    const auto report = nlohmann::json::parse(contents(dir / "out"));
    EXPECT_TRUE(report.at("partial").get<bool>());
    EXPECT_LT(report.at("sessions").get<int>(), 1000000);
    EXPECT_EQ(report.at("spins").get<int>(), report.at("sessions").get<int>() * 1000);
}

} // namespace
