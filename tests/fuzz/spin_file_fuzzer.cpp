#include "sim.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Arbitrary bytes as a spin file, the simulation's one untrusted input: either
// spins 0 to 36, or a bad-input error whose message is one printable line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const auto spins = tavrel::sim::readSpins(std::string_view(reinterpret_cast<const char*>(data), size), "f");
        for (const std::int16_t number : spins)
            if (number < 0 || number > 36)
                std::abort();
    } catch (const tavrel::sim::UsageError& error) {
        for (const char c : std::string_view(error.what()))
            if (static_cast<unsigned char>(c) < 0x20)
                std::abort();
    }
    return 0;
}
