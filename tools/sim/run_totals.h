#pragma once

#include "tally.h"

#include <cstdint>

namespace tavrel::sim {

// Everything the report is made of, summed over finished sessions. Only counts,
// whole sums and tallies: merging is exact in any order, so the report does not
// depend on how the sessions were shared among threads.
struct RunTotals {
    std::uint64_t sessions = 0;
    std::uint64_t spins = 0; // clicks on the tableau
    std::uint64_t partiesCompleted = 0;
    std::uint64_t partiesOpen = 0;
    std::int64_t turnover = 0; // sum of the stakes
    std::int64_t result = 0;   // sum of the spins' Saldo
    Tally partieLengths;       // evaluated spins per completed partie
    Tally partieDrawdowns;     // minus the lowest balance of each completed partie
    Tally largestStakes;       // per session, the largest stake of one spin
    Tally sessionDrawdowns;    // per session, minus the lowest balance any partie showed
    std::uint64_t stoppedEvaluations = 0; // Gesamt overflowed
    std::uint64_t stuckSpinCounters = 0;  // Anzahl_Coups overflowed

    void merge(const RunTotals& other);
};

} // namespace tavrel::sim
