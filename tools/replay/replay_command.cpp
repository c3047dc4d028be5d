#include "replay_command.h"

namespace tavrel::replay {

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
        return fail("'risk' takes a capital and, optionally, a table limit");
    const auto bankroll = wholeNumber(words[1]);
    if (!bankroll || *bankroll < 1 || *bankroll > LargestBankroll)
        return fail("the capital must be a whole number from 1 to 1000000");
    if (words.size() == 2)
        return {Risk{*bankroll, std::nullopt}, {}};
    const auto limit = wholeNumber(words[2]);
    if (!limit || *limit < 1)
        return fail("the table limit must be a positive whole number");
    return {Risk{*bankroll, *limit}, {}};
}

} // namespace

ParsedLine parseLine(std::string_view line)
{
    const auto words = wordsOf(line);
    if (words.empty() || words[0].front() == '#')
        return {};
    const std::string_view verb = words[0];
    if (const auto event = parseEvent(words)) {
        if (const auto* valid = std::get_if<TableEvent>(&*event))
            return {*valid, {}};
        switch (std::get<EventLineError>(*event)) {
        case EventLineError::ClickWithoutOneNumber:
            return fail("'click' takes one cell number");
        case EventLineError::CellOutOfRange:
            return fail("the cell must be a whole number from 0 to 36");
        case EventLineError::StrayArgument:
            return fail("'" + std::string(verb) + "' takes no argument");
        }
    }
    if (verb == "dump")
        return expectNoArgument(words, Dump{});
    if (verb == "risk")
        return parseRisk(words);
    if (auto particle = parseParticleLine(words))
        return {particle->command ? std::optional<Command>(*particle->command) : std::nullopt, particle->error};
    return fail("unknown command '" + std::string(verb) + "'");
}

} // namespace tavrel::replay
