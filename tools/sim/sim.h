#pragma once

// tavrel-sim without Qt: the options, the wheels, the run over sessions, the
// tally and the report. The tool adds the chart and the progress line; the
// tests, the benchmark and the fuzzer use this alone.

#include "german/german_numbers.h"
#include "stats/wilson_interval.h"
#include "tavrel/capital_for_risk.h"
#include "tavrel/fair_wheel.h"
#include "tavrel/tavrel_system.h"

#include <nlohmann/json.hpp>

#include <atomic>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::sim {

// Bad input on the command line or in a spin file; its text is the one line the
// tool prints before it exits with status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How every session is played: with or without "Stufe halten", and the table
// limit in units per cheval before which a partie is given up.
struct Play {
    bool stufeHalten = false;
    std::optional<std::int32_t> limit;
};

// ---- Options (options.cpp)

struct SimOptions {
    std::int64_t sessions = 1000;
    std::int64_t spins = 30000;
    std::uint64_t seed = 1;
    std::vector<std::string> spinFiles; // recorded wheels, one session each; "-" is standard input
    Play play;
    std::vector<std::int64_t> bankrolls{100, 1'000, 10'000, 100'000, 1'000'000}; // ascending, no duplicates
    double risk = 0.01; // the share of sessions the capital for a risk may lose
    unsigned threads = 0; // 0: every core
    bool json = false;
    std::optional<std::string> chartPath; // a .png in a writable folder
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program's name and checks the chart's place;
// throws a UsageError on bad input.
SimOptions parseOptions(const std::vector<std::string>& args);

extern const char* const HelpText;

// The one way a number is read, from the command line or a spin file: a whole
// number from lowest to highest, its thousands grouped by points or not, or a
// UsageError that names `what` and the range.
template <class T>
T wholeNumber(const std::string& what, std::string_view text, T lowest, T highest = std::numeric_limits<T>::max());

// Why a file could not be used, from errno, in German words.
std::string systemReason(int error);

// ---- Wheels (wheels.cpp)

// Where the sessions' spins come from: a fair wheel per session, or recorded
// spins, one list per session.
struct Wheels {
    std::uint64_t sessions = 0;
    std::uint64_t spinsPerSession = 0; // simulated wheels only
    std::uint64_t seed = 0;
    std::vector<std::vector<std::int16_t>> recorded;

    std::uint64_t totalSpins() const;
};

Wheels simulatedWheels(std::uint64_t sessions, std::uint64_t spins, std::uint64_t seed);
// The options' wheels, reading every spin file; throws a UsageError.
Wheels wheelsOf(const SimOptions& options);

// Recorded spins: whole numbers 0 to 36 separated by commas, blanks or line
// breaks, after an optional UTF-8 byte-order mark; or an evening saved by the
// window, whose standing spins are its clicks less those an undo took back.
// Throws a UsageError naming the source, line and column of the first bad
// entry or byte (an evening's line), or saying that it holds no spin.
std::vector<std::int16_t> readSpins(std::string_view text, const std::string& name);
inline constexpr const char* StandardInputName = "Standardeingabe";

// ---- The tally (tally.cpp)

// How often each whole value occurred. Memory grows with the number of distinct
// values, not with the number of observations, and percentiles stay exact.
class Tally {
public:
    void add(std::int64_t value, std::uint64_t times = 1);
    void merge(const Tally& other);

    std::uint64_t count() const { return count_; }
    // Nearest rank: the smallest value that at least percent (1 to 100) of all
    // observations do not exceed. Empty when nothing was observed.
    std::optional<std::int64_t> percentile(unsigned percent) const;
    std::optional<std::int64_t> max() const;
    // Observations strictly above the limit.
    std::uint64_t countAbove(std::int64_t limit) const;

    const std::map<std::int64_t, std::uint64_t>& counts() const { return counts_; }

private:
    std::map<std::int64_t, std::uint64_t> counts_;
    std::uint64_t count_ = 0;
};

// Everything the report is made of, summed over finished sessions. Only counts,
// whole sums and tallies: merging is exact in any order, so the report does not
// depend on how the sessions were shared among threads. Turnover, result and
// the parties stop where a session's evaluation stopped.
struct RunTotals {
    std::uint64_t sessions = 0;
    std::uint64_t spins = 0;          // clicks on the tableau
    std::uint64_t evaluatedSpins = 0; // rows written before any stop
    std::uint64_t partiesCompleted = 0; // won, or given up at the table limit
    std::uint64_t partiesGivenUp = 0;
    std::int64_t turnover = 0; // sum of the stakes
    std::int64_t result = 0;   // sum of the spins' Saldo
    Tally partieLengths;       // evaluated spins per completed partie
    Tally partieDrawdowns;     // minus the lowest balance of each completed partie
    Tally openLengths;         // the same for the partie open at a session's end
    Tally openDrawdowns;
    Tally largestStakes;       // per session, the largest stake of one spin
    // Per session, the most capital any of its spins asked of a partie: the
    // session is ruined at every bankroll below it.
    Tally capitalNeeds;
    // Sessions whose evaluation an overflow of Gesamt stopped, and the earliest
    // spin of its session at which one did.
    std::uint64_t stoppedSessions = 0;
    std::optional<std::uint64_t> firstStopSpin;
    std::uint64_t stuckSpinCounters = 0; // spins at which Anzahl_Coups stayed at its largest value

    void merge(const RunTotals& other);
};

// ---- A run over sessions (run.cpp)

// One session: the betting system, switched on as a player starts, and the
// running partie's figures taken from the row each spin returns. A partie that
// would pass the table limit is given up before that spin, as a player would.
// Once a spin goes unevaluated while a partie runs, the window has stopped
// evaluating: later spins are counted and add nothing else.
class Session {
public:
    explicit Session(const Play& play);
    // Goes on from a system as it stands; it counts as switched on.
    explicit Session(const TavrelSystem& start);

    void play(std::int16_t number);
    // Adds the finished session to the totals.
    void finishInto(RunTotals& totals) const;

    const TavrelSystem& system() const { return system_; }

private:
    void endPartie();
    void giveUpPartie();

    Play play_;
    TavrelSystem system_;
    RunTotals own_;
    std::optional<std::uint64_t> stoppedAt_;
    std::uint64_t partieSpins_ = 0;
    std::int64_t partieLowest_ = 0;
    std::int64_t capitalNeed_ = 0;
    std::int64_t largestStake_ = 0;
};

struct RunControl {
    const std::atomic<bool>& stop;         // checked between spins
    std::atomic<std::uint64_t>& spinsDone; // for the progress line
};

struct RunOutcome {
    RunTotals totals;        // the sessions that finished
    bool partial = false;    // a stop request left sessions unfinished
    unsigned threadsWanted = 0;
    unsigned threadsStarted = 0; // fewer when the system would start no more
};

// Never more threads than sessions, nor than this.
inline constexpr unsigned MaxThreads = 256;

// Plays every session on its own system, spread over the threads. A session cut
// short by the stop request counts for nothing.
RunOutcome runSessions(const Wheels& wheels, const Play& play, unsigned threads, RunControl control);

// ---- The report (report.cpp)

using german::grouped;
using german::percent;
// "1 Session", "2 Sessions".
std::string sessionsText(std::uint64_t count);
// The risk as the player asked for it: "1 %", "0,5 %", no trailing zeros.
std::string riskText(double share);

struct Percentiles {
    std::optional<std::int64_t> median, p90, p99, max;
};

struct RuinRisk {
    std::int64_t bankroll;
    struct Observed {
        std::uint64_t ruinedSessions; // a partie asked for more than was left of the bankroll
        double share, low, high;      // with the 95 % Wilson score interval
    };
    std::optional<Observed> observed; // empty before any session finished
};

// The figures of a run, ready to be printed or drawn.
struct Report {
    std::optional<std::uint64_t> seed; // empty for recorded spins
    Play play;
    bool partial = false;
    RunTotals totals; // the counts and sums as played
    std::optional<double> resultPerTurnover; // empty without any stake
    // Median and percentiles over the completed parties; max over every
    // partie, the ones still open at the end too.
    Percentiles partieLength;
    // Balances, so the percentiles count from the deep end: p90 is the balance
    // that nine parties in ten did not go below, and max the deepest of all.
    Percentiles deepestBalance;
    std::optional<std::int64_t> openLongest, openDeepest; // of the parties open at the end
    std::optional<std::int64_t> largestStakeMedian, largestStakeMax;
    std::vector<RuinRisk> ruin;
    // The smallest capital at which at most the asked share of the sessions
    // was ruined, up to CurveReach; empty before any session finished.
    double risk = 0;
    std::optional<CapitalForRisk> capitalForRisk;
};

// The fair single-zero wheel's expected result per unit staked: -1/37.
inline constexpr double FairWheelEdge = -1.0 / 37.0;

// `risk` is the share of sessions the capital for a risk may lose.
Report makeReport(const RunTotals& totals, const std::vector<std::int64_t>& bankrolls, double risk, bool partial);
void writeTextReport(std::ostream& out, const Report& report);
nlohmann::ordered_json reportJson(const Report& report);

// ---- The chart (chart.cpp, in the tool only: it needs Qt)

// Draws the risk of ruin and the parties' depths as an 800 × 500 PNG; false if
// the file could not be written.
bool writeRuinChart(const Report& report, const std::string& path);

} // namespace tavrel::sim
