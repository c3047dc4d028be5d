#pragma once

#include "particle_commands.h"

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

using Command = std::variant<Click, ToggleSwitch, Reset, Undo, Dump, ParticleCommand>;

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
