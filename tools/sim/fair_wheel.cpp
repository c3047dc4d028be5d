#include "fair_wheel.h"

#include "tavrel/roulette_numbers.h"

#include <limits>

namespace tavrel::sim {

namespace {

std::seed_seq seedOf(std::uint64_t seed, std::uint64_t session)
{
    return {static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
            static_cast<std::uint32_t>(session), static_cast<std::uint32_t>(session >> 32)};
}

} // namespace

FairWheel::FairWheel(std::uint64_t seed, std::uint64_t session)
{
    std::seed_seq sequence = seedOf(seed, session);
    engine_.seed(sequence);
}

std::int16_t FairWheel::spin()
{
    constexpr std::uint64_t pockets = NumberCount;
    constexpr std::uint64_t fairLimit = std::numeric_limits<std::uint64_t>::max() / pockets * pockets;
    std::uint64_t draw;
    do
        draw = engine_();
    while (draw >= fairLimit);
    return static_cast<std::int16_t>(draw % pockets);
}

} // namespace tavrel::sim
