#pragma once

#include "tavrel/table_event.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// An evening at the table as a text file: a first line that says what the file
// is, then the player's events, one a line, as tavrel-replay reads them. Blank
// lines and lines starting with '#' are passed over.
inline constexpr std::string_view EveningSignature = "# Tavrel-Abend";
// Far beyond any evening at a table (100,000 events take less than 1 MB): a
// larger file is no evening, and is not read into memory.
inline constexpr std::size_t MaxEveningBytes = 4 * 1024 * 1024;

// The whole file, its lines ending in '\n'.
std::string eveningText(const std::vector<TableEvent>& events);

// Whether the text starts as an evening's file does.
bool isEveningText(std::string_view text);

// A text that is no evening: the line at fault, counted from 1 (0 for the file
// as a whole), and why, in German words.
struct EveningError {
    std::size_t line = 0;
    std::string reason;
};

struct EveningRead {
    std::vector<TableEvent> events;
    std::optional<EveningError> error; // then no events
};

EveningRead readEvening(std::string_view text);

// The spins that stand at the evening's end: its clicks, less those an undo
// took back, in the order they fell.
std::vector<std::int16_t> standingSpins(const std::vector<TableEvent>& events);

} // namespace tavrel
