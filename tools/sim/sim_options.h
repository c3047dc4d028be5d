#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrel::sim {

struct SimOptions {
    std::uint64_t sessions = 1000;
    std::uint64_t spins = 30000;
    std::uint64_t seed = 1;
    std::vector<std::string> spinFiles; // recorded wheels, one session each; "-" is stdin
    bool stufeHalten = false;
    std::vector<std::int64_t> bankrolls{100, 1'000, 10'000, 100'000, 1'000'000};
    unsigned threads = 0; // 0: every core
    bool json = false;
    std::optional<std::string> chartPath;
    bool quiet = false;
    bool help = false;
};

// Reads the arguments after the program's name; throws a UsageError on bad input.
SimOptions parseOptions(const std::vector<std::string>& args);

extern const char* const HelpText;

} // namespace tavrel::sim
