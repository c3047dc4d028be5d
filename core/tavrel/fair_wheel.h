#pragma once

#include "tavrel/roulette_numbers.h"

#include <cstdint>
#include <limits>
#include <random>

namespace tavrel {

// A fair single-zero wheel, one for each numbered run (a session, a simulated
// partie): std::mt19937_64 seeded by std::seed_seq{seed mod 2^32, seed div
// 2^32, run mod 2^32, run div 2^32}. Each 64-bit draw becomes a number by
// rejection (draws at or above the largest multiple of 37 are drawn again,
// then the remainder by 37), so every number is equally likely and the spins
// are the same with every standard library, which
// std::uniform_int_distribution does not promise. A run's spins do not depend
// on how long the runs before it were.
class FairWheel {
public:
    FairWheel(std::uint64_t seed, std::uint64_t run)
    {
        std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                               static_cast<std::uint32_t>(run), static_cast<std::uint32_t>(run >> 32)};
        engine_.seed(sequence);
    }

    // For the many short runs of a look-ahead: seeded by one value mixed from
    // seed and run (splitmix64), which starts many times faster than a seed
    // sequence.
    static FairWheel forRun(std::uint64_t seed, std::uint64_t run)
    {
        std::uint64_t z = seed + (run + 1) * 0x9E3779B97F4A7C15ULL;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return FairWheel(z ^ (z >> 31));
    }

    std::int16_t spin()
    {
        constexpr std::uint64_t pockets = NumberCount;
        constexpr std::uint64_t fairLimit = std::numeric_limits<std::uint64_t>::max() / pockets * pockets;
        std::uint64_t draw;
        do
            draw = engine_();
        while (draw >= fairLimit);
        return static_cast<std::int16_t>(draw % pockets);
    }

private:
    explicit FairWheel(std::uint64_t key) : engine_(key) {}

    std::mt19937_64 engine_;
};

} // namespace tavrel
