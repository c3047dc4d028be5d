#include "replay_command.h"

#include "german/german_numbers.h"

namespace tavrel::replay {

namespace {

ParsedLine fail(std::string why) { return {std::nullopt, std::move(why)}; }

ParsedLine expectNoArgument(const std::vector<std::string_view>& words, Command command)
{
    if (words.size() != 1)
        return fail("'" + std::string(words[0]) + "' takes no argument");
    return {command, {}};
}

// The capitals, limits and spins the odds serve: what the chart spans.
constexpr long long Largest = 1'000'000;

// The table limit and the spins left after a risk's or a capital's first
// word: "L" (0 for none) and "N", each optional; false after an error.
bool parseLimitAndSpins(const std::vector<std::string_view>& words, std::optional<std::int64_t>& limit,
                        std::optional<std::int64_t>& spins, std::string& error)
{
    if (words.size() > 2) {
        const auto l = wholeNumber(words[2]);
        if (!l || *l < 0 || *l > Largest) {
            error = "the table limit must be a whole number from 0 (none) to 1000000";
            return false;
        }
        if (*l > 0)
            limit = *l;
    }
    if (words.size() > 3) {
        const auto n = wholeNumber(words[3]);
        if (!n || *n < 1 || *n > Largest) {
            error = "the spins left must be a whole number from 1 to 1000000";
            return false;
        }
        spins = *n;
    }
    return true;
}

ParsedLine parseRisk(const std::vector<std::string_view>& words)
{
    if (words.size() < 2 || words.size() > 4)
        return fail("'risk' takes a capital and, optionally, a table limit (0 for none) and the spins left");
    const auto bankroll = wholeNumber(words[1]);
    if (!bankroll || *bankroll < 1 || *bankroll > Largest)
        return fail("the capital must be a whole number from 1 to 1000000");
    Risk risk{*bankroll, std::nullopt, std::nullopt};
    std::string error;
    if (!parseLimitAndSpins(words, risk.limit, risk.spins, error))
        return fail(error);
    return {risk, {}};
}

ParsedLine parseCapital(const std::vector<std::string_view>& words)
{
    if (words.size() < 2 || words.size() > 4)
        return fail("'capital' takes a risk in percent and, optionally, a table limit (0 for none) and the spins left");
    const auto percent = german::readDecimal(words[1]);
    if (!percent || *percent <= 0 || *percent >= 100)
        return fail("the risk must be a number in percent above 0 and below 100");
    Capital capital{*percent / 100, std::nullopt, std::nullopt};
    std::string error;
    if (!parseLimitAndSpins(words, capital.limit, capital.spins, error))
        return fail(error);
    return {capital, {}};
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
    if (verb == "capital")
        return parseCapital(words);
    if (auto particle = parseParticleLine(words))
        return {particle->command ? std::optional<Command>(*particle->command) : std::nullopt, particle->error};
    return fail("unknown command '" + std::string(verb) + "'");
}

} // namespace tavrel::replay
