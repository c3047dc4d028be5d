#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

std::string contents(const fs::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool catchesInterrupt(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("SigCgt:"))
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGINT - 1)) & 1;
    return false;
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
    const struct {
        std::string args;
        std::string says;
    } cases[] = {
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const ToolRun run = runTool(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "") << "no report";
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "exactly one line: " << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

TEST_F(SimTool, RecordedSpinsFromFilesAndStandardInput)
{
    const auto first = file("first.txt", "5,4\n").string();
    const ToolRun run = runTool("--json --spins-from " + first + " - --bankroll 1", file("second.txt", "5 5\n4").string());
    ASSERT_EQ(run.status, 0) << run.err;
    const auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report.at("sessions"), 2);
    EXPECT_EQ(report.at("spins"), 5);
    EXPECT_EQ(report.at("partiesCompleted"), 2);
    EXPECT_EQ(report.at("deepestBalance").at("max"), -3);
}

TEST_F(SimTool, InterruptPrintsThePartialReportWithStatus130)
{
    const fs::path out = dir / "out";
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::freopen(out.c_str(), "w", stdout);
        execl(TAVREL_SIM_PATH, TAVREL_SIM_PATH, "--json", "--quiet", "--sessions", "1000000", "--spins", "1000",
              "--threads", "2", static_cast<char*>(nullptr));
        _exit(127);
    }
    // Interrupt only once the tool catches the signal, however slowly it starts.
    while (!catchesInterrupt(child))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(child, SIGINT);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    const auto report = nlohmann::json::parse(contents(out));
    EXPECT_TRUE(report.at("partial").get<bool>());
    EXPECT_LT(report.at("sessions").get<int>(), 1000000);
    EXPECT_EQ(report.at("spins").get<int>(), report.at("sessions").get<int>() * 1000);
}

} // namespace
