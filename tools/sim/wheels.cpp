#include "sim.h"

#include "tavrel/evening_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace tavrel::sim {

std::uint64_t Wheels::totalSpins() const
{
    if (recorded.empty())
        return sessions * spinsPerSession;
    std::uint64_t total = 0;
    for (const auto& spins : recorded)
        total += spins.size();
    return total;
}

Wheels simulatedWheels(std::uint64_t sessions, std::uint64_t spins, std::uint64_t seed)
{
    return {sessions, spins, seed, {}};
}

namespace {

bool isSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string readAll(std::FILE* file, const std::string& name)
{
    std::string text;
    char buffer[65536];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, file))
        text.append(buffer, got);
    if (std::ferror(file))
        throw UsageError(name + ": " + systemReason(errno));
    return text;
}

// A file or standard input, whole: recorded sessions are small.
std::string contentsOf(const std::string& path)
{
    if (path == "-")
        return readAll(stdin, StandardInputName);
    const std::unique_ptr<std::FILE, decltype([](std::FILE* f) { std::fclose(f); })> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw UsageError(path + ": " + systemReason(errno));
    return readAll(file.get(), path);
}

// A saved evening's standing spins.
std::vector<std::int16_t> eveningSpins(std::string_view text, const std::string& name)
{
    const EveningRead evening = readEvening(text);
    if (evening.error)
        throw UsageError(name + ":" + std::to_string(evening.error->line) + ": " + evening.error->reason);
    return standingSpins(evening.events);
}

// Numbers separated by commas, blanks or line breaks.
std::vector<std::int16_t> plainSpins(std::string_view text, const std::string& name)
{
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    const std::size_t begin = text.starts_with(byteOrderMark) ? byteOrderMark.size() : 0;
    std::vector<std::int16_t> spins;
    std::size_t line = 1, lineStart = 0;
    for (std::size_t i = begin; i < text.size();) {
        if (isSeparator(text[i])) {
            if (text[i] == '\n') {
                ++line;
                lineStart = i + 1;
            }
            ++i;
            continue;
        }
        const std::size_t start = i;
        const auto where = [&](std::size_t at) {
            return name + ":" + std::to_string(line) + ":" + std::to_string(at - lineStart + 1) + ":";
        };
        for (; i < text.size() && !isSeparator(text[i]); ++i) {
            // Only printable ASCII is shown back; any other byte is named by its value.
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte < 0x21 || byte > 0x7E) {
                constexpr char hex[] = "0123456789ABCDEF";
                throw UsageError(where(i) + " unerwartetes Byte 0x" + hex[byte >> 4] + hex[byte & 15]);
            }
        }
        spins.push_back(static_cast<std::int16_t>(
            wholeNumber<int>(where(start), text.substr(start, i - start), 0, NumberCount - 1)));
    }
    return spins;
}

} // namespace

std::vector<std::int16_t> readSpins(std::string_view text, const std::string& name)
{
    std::vector<std::int16_t> spins = isEveningText(text) ? eveningSpins(text, name) : plainSpins(text, name);
    if (spins.empty())
        throw UsageError(name + ": enthält keine Coups");
    return spins;
}

Wheels wheelsOf(const SimOptions& options)
{
    if (options.spinFiles.empty())
        return simulatedWheels(static_cast<std::uint64_t>(options.sessions), static_cast<std::uint64_t>(options.spins),
                               options.seed);
    Wheels wheels;
    for (const std::string& path : options.spinFiles)
        wheels.recorded.push_back(readSpins(contentsOf(path), path == "-" ? StandardInputName : path));
    wheels.sessions = wheels.recorded.size();
    return wheels;
}

} // namespace tavrel::sim
