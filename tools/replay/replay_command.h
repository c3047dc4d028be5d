#pragma once

#include "particle_commands.h"
#include "tavrel/table_event.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavrel::replay {

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

// The player's events are read as the evening's file reads them.
using Command = std::variant<TableEvent, Dump, Risk, Capital, ParticleCommand>;

// One input line read: a command, nothing (blank or comment), or why it is malformed.
struct ParsedLine {
    std::optional<Command> command;
    std::string error;
};

ParsedLine parseLine(std::string_view line);

using tavrel::wholeNumber;
using tavrel::wordsOf;

} // namespace tavrel::replay
