#include "wheels.h"

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

} // namespace tavrel::sim
