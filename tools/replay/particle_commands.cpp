#include "particle_commands.h"

#include "replay_command.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace tavrel::replay {

namespace {

std::optional<std::int32_t> int32Number(std::string_view word)
{
    const auto value = wholeNumber(word);
    if (!value || !std::in_range<std::int32_t>(*value))
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::optional<double> decimalNumber(std::string_view word)
{
    double value = 0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || ptr != word.data() + word.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The words after the verb, each read by the parser its place calls for.
class Arguments {
public:
    explicit Arguments(const std::vector<std::string_view>& words) : words_(words) {}

    std::optional<std::int32_t> whole() { return next() ? int32Number(*current_) : std::nullopt; }
    std::optional<double> decimal() { return next() ? decimalNumber(*current_) : std::nullopt; }

private:
    bool next()
    {
        if (++index_ >= words_.size())
            return false;
        current_ = &words_[index_];
        return true;
    }

    const std::vector<std::string_view>& words_;
    std::size_t index_ = 0;
    const std::string_view* current_ = nullptr;
};

ParsedParticleLine command(ParticleCommand c) { return {std::move(c), {}}; }

ParsedParticleLine usage(std::string_view verb, const char* arguments)
{
    return {std::nullopt, "'" + std::string(verb) + "' takes " + arguments};
}

} // namespace

std::optional<ParsedParticleLine> parseParticleLine(const std::vector<std::string_view>& words)
{
    const std::string_view verb = words.at(0);
    const std::size_t count = words.size() - 1;
    Arguments a(words);
    if (verb == "add") {
        const auto x = a.whole(), y = a.whole();
        const auto angle = a.decimal();
        const auto colour = a.whole(), speed = a.whole(), range = a.whole();
        if (count != 6 || !x || !y || !angle || !colour || !speed || !range)
            return usage(verb, "X Y ANGLE COLOUR SPEED RANGE: a decimal ANGLE, the rest 32-bit whole numbers");
        return command(AddParticle{*x, *y, *angle, *colour, *speed, *range});
    }
    if (verb == "update") {
        const auto gravity = a.decimal();
        if (count != 1 || !gravity)
            return usage(verb, "one number, the gravity");
        return command(UpdateParticles{*gravity});
    }
    if (verb == "remove") {
        const auto index = a.whole();
        if (count != 1 || !index)
            return usage(verb, "one 32-bit whole number, the index");
        return command(RemoveParticle{*index});
    }
    if (verb == "particles") {
        if (count != 0)
            return usage(verb, "no argument");
        return command(ShowParticles{});
    }
    if (verb == "distance") {
        const auto x1 = a.whole(), y1 = a.whole(), x2 = a.whole(), y2 = a.whole();
        if (count != 4 || !x1 || !y1 || !x2 || !y2)
            return usage(verb, "X1 Y1 X2 Y2: 32-bit whole numbers");
        return command(DistanceOf{*x1, *y1, *x2, *y2});
    }
    if (verb == "angle") {
        const auto angle = a.decimal();
        const auto length = a.whole();
        if (count != 2 || !angle || !length)
            return usage(verb, "A LEN: a decimal angle and a 32-bit whole length");
        return command(AngleComponents{*angle, *length});
    }
    if (verb == "deg") {
        const auto degrees = a.decimal();
        if (count != 1 || !degrees)
            return usage(verb, "one decimal number, the degrees");
        return command(DegreesToRadians{*degrees});
    }
    return std::nullopt;
}

} // namespace tavrel::replay
