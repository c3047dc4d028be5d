#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavrel {

// One of the player's events at the table, as the evening's file and
// tavrel-replay write it, one a line: "click N", "aktiv", "halten", "reset",
// "undo".
struct TableEvent {
    enum class Kind : std::uint8_t { Click, SystemAktiv, StufeHalten, Reset, Undo };
    Kind kind = Kind::Click;
    std::uint8_t cell = 0; // the number clicked

    bool operator==(const TableEvent&) const = default;
};

// Why a line is no event; each reader words it in its own language.
enum class EventLineError {
    ClickWithoutOneNumber, // "click", "click 5 6"
    CellOutOfRange,        // a number outside 0 to 36, or no whole number at all
    StrayArgument,         // "aktiv 1"
};

// A line's words, separated by blanks, tabs or a carriage return.
std::vector<std::string_view> wordsOf(std::string_view line);
// A whole decimal number that fills the word; nothing otherwise.
std::optional<long long> wholeNumber(std::string_view word);

// Reads a line already split into words: its event, or why it is malformed;
// nothing when the first word names no event.
std::optional<std::variant<TableEvent, EventLineError>> parseEvent(const std::vector<std::string_view>& words);

// The event's line, without its line break.
std::string eventLine(TableEvent event);

} // namespace tavrel
