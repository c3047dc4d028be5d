#pragma once

#include "particle_commands.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavrel::replay {

struct Click { int cell; };
struct ToggleSwitch { int index; }; // "aktiv" = 0, "halten" = 1
struct Reset {};
struct Undo {};
struct Dump {};
// The running partie's odds against a capital and, if given, a table limit,
// or the odds of the spins left tonight.
struct Risk {
    std::int64_t bankroll;
    std::optional<std::int64_t> limit;
    std::optional<std::int64_t> spins;
};
// The smallest capital whose risk is at most `risk` (a fraction), with the
// same table limit and spins left.
struct Capital {
    double risk;
    std::optional<std::int64_t> limit;
    std::optional<std::int64_t> spins;
};

using Command = std::variant<Click, ToggleSwitch, Reset, Undo, Dump, Risk, Capital, ParticleCommand>;

// One input line read: a command, nothing (blank or comment), or why it is malformed.
struct ParsedLine {
    std::optional<Command> command;
    std::string error;
};

ParsedLine parseLine(std::string_view line);

// Splits a line into words separated by blanks or tabs.
std::vector<std::string_view> wordsOf(std::string_view line);

// A whole decimal number that fills the word; nothing otherwise.
std::optional<long long> wholeNumber(std::string_view word);

} // namespace tavrel::replay
