#pragma once

#include <cstdint>
#include <random>

namespace tavrel::sim {

// A fair single-zero wheel for one session: std::mt19937_64 seeded by
// std::seed_seq{seed mod 2^32, seed div 2^32, session mod 2^32, session div 2^32}.
// Each 64-bit draw becomes a number by rejection (draws at or above the largest
// multiple of 37 are drawn again, then the remainder by 37), so every number is
// equally likely and the spins are the same with every standard library, which
// std::uniform_int_distribution does not promise.
class FairWheel {
public:
    FairWheel(std::uint64_t seed, std::uint64_t session);

    std::int16_t spin();

private:
    std::mt19937_64 engine_;
};

} // namespace tavrel::sim
