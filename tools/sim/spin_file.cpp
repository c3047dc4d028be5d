#include "spin_file.h"

#include "usage_error.h"

#include "tavrel/roulette_numbers.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace tavrel::sim {

namespace {

bool isSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<std::int16_t> readSpins(std::istream& in, const std::string& name)
{
    std::vector<std::int16_t> spins;
    std::string line;
    for (long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        for (std::size_t i = 0; i < line.size();) {
            if (isSeparator(line[i])) {
                ++i;
                continue;
            }
            const std::size_t start = i;
            while (i < line.size() && !isSeparator(line[i]))
                ++i;
            const std::string entry = line.substr(start, i - start);
            const auto where = name + ":" + std::to_string(lineNumber) + ":" + std::to_string(start + 1);
            bool digits = true;
            for (const char c : entry)
                digits = digits && isDigit(c);
            if (!digits)
                throw UsageError(where + ": „" + entry + "“ ist keine ganze Zahl");
            int number = 0;
            const auto parsed = std::from_chars(entry.data(), entry.data() + entry.size(), number);
            if (parsed.ec != std::errc{} || number >= NumberCount)
                throw UsageError(where + ": " + entry + " liegt nicht zwischen 0 und 36");
            spins.push_back(static_cast<std::int16_t>(number));
        }
    }
    if (in.bad())
        throw UsageError(name + ": nicht lesbar");
    if (spins.empty())
        throw UsageError(name + ": enthält keine Coups");
    return spins;
}

std::vector<std::int16_t> readSpinFile(const std::string& path)
{
    if (path == "-")
        return readSpins(std::cin, "-");
    if (std::filesystem::is_directory(path))
        throw UsageError(path + ": ist ein Verzeichnis");
    std::ifstream file(path);
    if (!file)
        throw UsageError(path + ": nicht lesbar (" + std::strerror(errno) + ")");
    return readSpins(file, path);
}

} // namespace tavrel::sim
