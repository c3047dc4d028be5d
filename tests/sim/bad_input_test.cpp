#include "reference_picture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
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

    fs::path sim = TAVREL_SIM_PATH;
    std::string user; // the prefix that runs a command as nobody, for root

    // Root passes every permission and thread limit: the tool runs as nobody
    // then, from a copy that nobody can reach wherever the build lies.
    void SetUp() override
    {
        fs::create_directories(dir);
        if (getuid() == 0) {
            fs::permissions(dir, fs::perms(0755));
            fs::copy_file(TAVREL_SIM_PATH, sim = dir / "tavrel-sim");
            fs::permissions(sim, fs::perms(0755));
            user = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        }
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path file(const std::string& name, const std::string& text)
    {
        std::ofstream(dir / name) << text;
        return dir / name;
    }

    ToolRun runTool(const std::string& args, const std::string& input = "/dev/null", const std::string& prefix = "")
    {
        const std::string command = prefix + sim.string() + " " + args + " >" + (dir / "out").string() + " 2>"
                                    + (dir / "err").string() + " <" + input;
        const int status = std::system(command.c_str());
        return {WEXITSTATUS(status), contents(dir / "out"), contents(dir / "err")};
    }
};

TEST_F(SimTool, BadInputGivesOneGermanLineAndStatusTwoBeforeAnySpin)
{
    const auto outside = file("outside.txt", "1, 2\n3 37 4\n").string();
    const auto minus = file("minus.txt", "1 -1\n").string();
    const auto letters = file("letters.txt", "1,2,x3\n").string();
    const auto nul = file("nul.txt", std::string("5,4\n1\0 2\n", 9)).string();
    const auto umlaut = file("umlaut.txt", "zwölf\n").string();
    const auto empty = file("empty.txt", " \n,\n").string();
    const auto evening = file("evening.txt", "# Tavrel-Abend\nclick 5\nclick 37\n").string();
    fs::create_directories(dir / "folder.png");
    const auto locked = file("locked.txt", "5,4\n").string();
    fs::permissions(locked, fs::perms::none);
    fs::permissions(dir, fs::perms::all); // the chart's place is tried as nobody too
    fs::create_directories(dir / "readonly");
    fs::permissions(dir / "readonly", fs::perms::owner_read | fs::perms::owner_exec);
    // A run of 10^12 spins: only a check before the first spin ends in time.
    const std::string huge = "--sessions 1000000 --spins 1000000 ";
    const std::pair<std::string, std::string> cases[] = { // the arguments, and the message
        {"--frob", "unbekannte Option „--frob“ (--help zeigt alle)"},
        {"stray", "überzähliges Argument „stray“ (--help zeigt alle Optionen)"},
        {"--sessions", "--sessions erwartet einen Wert"},
        {"--sessions 0", "--sessions erwartet eine ganze Zahl ab 1, nicht „0“"},
        {"--spins 18446744073709551615", "--spins erwartet eine ganze Zahl von 1 bis 9.223.372.036.854.775.807, nicht „18446744073709551615“"},
        {"--sessions 4 --spins 9223372036854775807", "--sessions × --spins ergibt mehr als 9.223.372.036.854.775.807 Coups"},
        {"--seed -1", "--seed erwartet eine ganze Zahl ab 0, nicht „-1“"},
        {"--bankroll 100,,1000", "--bankroll: leerer Eintrag in „100,,1000“"},
        {"--bankroll 1.00,1.0000", "--bankroll erwartet eine ganze Zahl ab 1, nicht „1.00“"},
        {"--bankroll 1,000", "--bankroll erwartet eine ganze Zahl ab 1, nicht „000“"},
        {"--limit 0", "--limit erwartet eine ganze Zahl von 1 bis 2.147.483.647, nicht „0“"},
        {"--limit 2147483648", "--limit erwartet eine ganze Zahl von 1 bis 2.147.483.647, nicht „2147483648“"},
        {"--risk 0", "--risk erwartet eine Zahl in Prozent über 0 und unter 100, nicht „0“"},
        {"--risk 100", "--risk erwartet eine Zahl in Prozent über 0 und unter 100, nicht „100“"},
        {"--risk abc", "--risk erwartet eine Zahl in Prozent über 0 und unter 100, nicht „abc“"},
        {"--json=yes", "--json nimmt keinen Wert"},
        {"--spins 5 --spins 6", "--spins ist mehrfach angegeben"},
        {"-h -h", "--help ist mehrfach angegeben"},
        {"--chart " + (dir / "tried.png").string() + " --spins-from " + (dir / "missing.txt").string(),
         (dir / "missing.txt").string() + ": nicht gefunden"},
        {"--spins-from " + dir.string(), dir.string() + ": ist ein Verzeichnis"},
        {"--spins-from " + locked, locked + ": keine Berechtigung"},
        {"--spins-from " + outside, outside + ":2:3: erwartet eine ganze Zahl von 0 bis 36, nicht „37“"},
        {"--spins-from " + minus, minus + ":1:3: erwartet eine ganze Zahl von 0 bis 36, nicht „-1“"},
        {"--spins-from " + letters, letters + ":1:5: erwartet eine ganze Zahl von 0 bis 36, nicht „x3“"},
        {"--spins-from " + nul, nul + ":2:2: unerwartetes Byte 0x00"},
        {"--spins-from " + umlaut, umlaut + ":1:3: unerwartetes Byte 0xC3"},
        {"--spins-from " + empty, empty + ": enthält keine Coups"},
        {"--spins-from " + evening, evening + ":3: „37“ ist keine Zahl von 0 bis 36"},
        {"--spins-from - -", "--spins-from: die Standardeingabe („-“) lässt sich nur einmal lesen"},
        {"--spins-from -", "Standardeingabe: enthält keine Coups"},
        {"--spins-from " + outside + " --sessions 5", "--spins-from geht nicht zusammen mit --sessions, --spins oder --seed"},
        {huge + "--chart x.jpg", "--chart erwartet einen Dateinamen auf .png, nicht „x.jpg“"},
        {huge + "--chart /nonexistent/dir/x.png", "--chart: Ordner „/nonexistent/dir“ nicht gefunden"},
        {huge + "--chart " + (dir / "readonly/x.png").string(), "--chart: „" + (dir / "readonly/x.png").string() + "“ lässt sich nicht anlegen: keine Berechtigung"},
        {huge + "--chart /proc/x.png", "--chart: „/proc/x.png“ lässt sich nicht anlegen: nicht gefunden"},
        {huge + "--chart " + (dir / "folder.png").string(), "--chart: „" + (dir / "folder.png").string() + "“ ist ein Verzeichnis"},
    };
    for (const auto& [args, says] : cases) {
        SCOPED_TRACE(args);
        const ToolRun run = runTool(args, "/dev/null", user);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "") << "no report";
        EXPECT_EQ(run.err, "tavrel-sim: " + says + "\n");
    }
    EXPECT_FALSE(fs::exists(dir / "tried.png")) << "the chart's place is tried without leaving a file";
}

// A report lost on a full disk is no success.
TEST_F(SimTool, AReportThatCannotBeWrittenGivesStatusOne)
{
    const std::string command = std::string(TAVREL_SIM_PATH) + " --sessions 1 --spins 10 >/dev/full 2>" + (dir / "err").string();
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(contents(dir / "err"), "tavrel-sim: der Bericht ließ sich nicht schreiben\n");
}

TEST_F(SimTool, HelpAndVersion)
{
    for (const char* help : {"-h", "--help"}) {
        const ToolRun run = runTool(help);
        EXPECT_EQ(std::tuple(run.status, run.err), std::tuple(0, "")) << help;
        EXPECT_TRUE(run.out.starts_with("Aufruf: tavrel-sim")) << help;
    }
    const ToolRun run = runTool("--version");
    EXPECT_EQ(std::tuple(run.status, run.out, run.err), std::tuple(0, "tavrel-sim " + std::string(TAVREL_VERSION) + "\n", ""));
}

// Without XDG_RUNTIME_DIR, as under cron or ssh, Qt would warn in English.
TEST_F(SimTool, RecordedSpinsFromFilesAndStandardInputWithAQuietChart)
{
    const auto first = file("first.txt", "\xEF\xBB\xBF" "5,4\n").string();
    const auto chart = (dir / "chart.png").string();
    const ToolRun run = runTool("--json --chart " + chart + " --spins-from " + first + " - --bankroll 1",
                                // an evening saved by the window: its standing spins are 5 5 4
                                file("second.txt", "# Tavrel-Abend\nclick 5\nclick 9\nundo\naktiv\nclick 5\nclick 4\n").string(),
                                "env -u XDG_RUNTIME_DIR ");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(pictureDifference(QImage(QString::fromStdString(chart)), TAVREL_PICTURES "/recorded_chart.png"), "");
    const auto report = nlohmann::json::parse(run.out);
    // Each file, and standard input, is one session read to its end.
    for (const auto& [key, value] : {std::pair("sessions", 2), std::pair("spins", 5), std::pair("partiesCompleted", 2)})
        EXPECT_EQ(report.at(key), value) << key;
    EXPECT_EQ(report.at("deepestBalance").at("max"), -3);
}

// Every decade, error bar and step of a simulated run, and the mark of its deepest partie.
TEST_F(SimTool, TheChartOfASimulatedRun)
{
    const auto chart = (dir / "chart.png").string();
    ASSERT_EQ(runTool("--quiet --sessions 300 --spins 3000 --seed 3 --bankroll 10,100,1000,10000 --chart " + chart).status, 0);
    EXPECT_EQ(pictureDifference(QImage(QString::fromStdString(chart)), TAVREL_PICTURES "/simulated_chart.png"), "");
}

TEST_F(SimTool, ThreadsThatCannotStartGiveAGermanLineAndTheSameReport)
{
    const std::string args = "--json --threads 4 --sessions 8 --spins 500";
    // Nor could LeakSanitizer's thread at the end, in the sanitizer build.
    const ToolRun limited = runTool(args, "/dev/null", user + "env ASAN_OPTIONS=detect_leaks=0 prlimit --nproc=1 ");
    EXPECT_EQ(std::tuple(limited.status, limited.err),
              std::tuple(0, "tavrel-sim: nur 1 von 4 Threads ließen sich starten; die Sessions liefen auf diesen\n"));
    EXPECT_EQ(limited.out, runTool(args).out);
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
    int status = 0;
    while (!catchesInterrupt(child)) {
        ASSERT_EQ(waitpid(child, &status, WNOHANG), 0) << "tavrel-sim ended without ever catching Ctrl+C";
        usleep(10'000);
    }
    usleep(300'000); // some sessions finish first
    kill(child, SIGINT);
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);
    const auto report = nlohmann::json::parse(contents(dir / "out"));
    EXPECT_TRUE(report.at("partial").get<bool>());
    EXPECT_LT(report.at("sessions").get<int>(), 1000000);
    EXPECT_EQ(report.at("spins").get<int>(), report.at("sessions").get<int>() * 1000);
}

} // namespace
