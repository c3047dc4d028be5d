#include "tavrel/table_event.h"

#include "tavrel/roulette_numbers.h"

#include <array>
#include <algorithm>
#include <charconv>

namespace tavrel {

namespace {

struct EventWord {
    std::string_view word;
    TableEvent::Kind kind;
};

// Indexed by the kind, so that writing a line is a look-up.
constexpr std::array<EventWord, 5> EventWords{{
    {"click", TableEvent::Kind::Click},
    {"aktiv", TableEvent::Kind::SystemAktiv},
    {"halten", TableEvent::Kind::StufeHalten},
    {"reset", TableEvent::Kind::Reset},
    {"undo", TableEvent::Kind::Undo},
}};

} // namespace

std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while ((pos = line.find_first_not_of(" \t\r", pos)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t\r", pos), line.size());
        words.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

std::optional<long long> wholeNumber(std::string_view word)
{
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || ptr != word.data() + word.size())
        return std::nullopt;
    return value;
}

std::optional<std::variant<TableEvent, EventLineError>> parseEvent(const std::vector<std::string_view>& words)
{
    if (words.empty())
        return std::nullopt;
    for (const EventWord& known : EventWords) {
        if (words[0] != known.word)
            continue;
        if (known.kind != TableEvent::Kind::Click) {
            if (words.size() != 1)
                return EventLineError::StrayArgument;
            return TableEvent{known.kind};
        }
        if (words.size() != 2)
            return EventLineError::ClickWithoutOneNumber;
        const auto cell = wholeNumber(words[1]);
        if (!cell || *cell < 0 || *cell >= NumberCount)
            return EventLineError::CellOutOfRange;
        return TableEvent{known.kind, static_cast<std::uint8_t>(*cell)};
    }
    return std::nullopt;
}

std::string eventLine(TableEvent event)
{
    std::string line(EventWords[static_cast<std::size_t>(event.kind)].word);
    if (event.kind == TableEvent::Kind::Click)
        line += " " + std::to_string(event.cell);
    return line;
}

} // namespace tavrel
