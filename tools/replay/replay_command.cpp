#include "replay_command.h"

#include <charconv>

namespace tavrel::replay {

std::vector<std::string_view> wordsOf(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (true) {
        pos = line.find_first_not_of(" \t\r", pos);
        if (pos == std::string_view::npos)
            return words;
        const std::size_t end = line.find_first_of(" \t\r", pos);
        words.push_back(line.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
        if (end == std::string_view::npos)
            return words;
        pos = end;
    }
}

std::optional<long long> wholeNumber(std::string_view word)
{
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || ptr != word.data() + word.size())
        return std::nullopt;
    return value;
}

namespace {

ParsedLine fail(std::string why) { return {std::nullopt, std::move(why)}; }

ParsedLine expectNoArgument(const std::vector<std::string_view>& words, Command command)
{
    if (words.size() != 1)
        return fail("'" + std::string(words[0]) + "' takes no argument");
    return {command, {}};
}

// The capitals the odds serve: what the chart spans.
constexpr long long LargestBankroll = 1'000'000;

ParsedLine parseRisk(const std::vector<std::string_view>& words)
{
    if (words.size() < 2 || words.size() > 3)
        return fail("'risk' takes a capital and, optionally, a table limit (0 for none)");
    const auto bankroll = wholeNumber(words[1]);
    if (!bankroll || *bankroll < 1 || *bankroll > LargestBankroll)
        return fail("the capital must be a whole number from 1 to 1000000");
    if (words.size() == 2)
        return {Risk{*bankroll, std::nullopt}, {}};
    const auto limit = wholeNumber(words[2]);
    if (!limit || *limit < 0 || *limit > LargestBankroll)
        return fail("the table limit must be a whole number from 0 (none) to 1000000");
    return {Risk{*bankroll, *limit == 0 ? std::nullopt : std::optional<std::int64_t>(*limit)}, {}};
}

} // namespace

ParsedLine parseLine(std::string_view line)
{
    const auto words = wordsOf(line);
    if (words.empty() || words[0].front() == '#')
        return {};
    const std::string_view verb = words[0];
    if (verb == "click") {
        if (words.size() != 2)
            return fail("'click' takes one cell number");
        const auto cell = wholeNumber(words[1]);
        if (!cell || *cell < 0 || *cell > 36)
            return fail("the cell must be a whole number from 0 to 36");
        return {Click{static_cast<int>(*cell)}, {}};
    }
    if (verb == "aktiv")
        return expectNoArgument(words, ToggleSwitch{0});
    if (verb == "halten")
        return expectNoArgument(words, ToggleSwitch{1});
    if (verb == "reset")
        return expectNoArgument(words, Reset{});
    if (verb == "undo")
        return expectNoArgument(words, Undo{});
    if (verb == "dump")
        return expectNoArgument(words, Dump{});
    if (verb == "risk")
        return parseRisk(words);
    if (auto particle = parseParticleLine(words))
        return {particle->command ? std::optional<Command>(*particle->command) : std::nullopt, particle->error};
    return fail("unknown command '" + std::string(verb) + "'");
}

} // namespace tavrel::replay
