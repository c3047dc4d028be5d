#pragma once

#include <cstdint>
#include <vector>

namespace tavrel::sim {

// Where the sessions' spins come from: a fair wheel per session, or recorded
// spins, one list per session.
struct Wheels {
    std::uint64_t sessions = 0;
    std::uint64_t spinsPerSession = 0; // simulated wheels only
    std::uint64_t seed = 0;
    std::vector<std::vector<std::int16_t>> recorded;

    static Wheels simulated(std::uint64_t sessions, std::uint64_t spins, std::uint64_t seed)
    {
        return {sessions, spins, seed, {}};
    }
    static Wheels fromRecords(std::vector<std::vector<std::int16_t>> records)
    {
        const auto count = records.size();
        return {count, 0, 0, std::move(records)};
    }

    std::uint64_t totalSpins() const;
};

} // namespace tavrel::sim
