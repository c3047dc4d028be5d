#include "sim.h"

#include <algorithm>

namespace tavrel::sim {

void Tally::add(std::int64_t value, std::uint64_t times)
{
    counts_[value] += times;
    count_ += times;
}

void Tally::merge(const Tally& other)
{
    for (const auto& [value, times] : other.counts_)
        add(value, times);
}

std::optional<std::int64_t> Tally::percentile(unsigned percent) const
{
    if (count_ == 0)
        return std::nullopt;
    // Whole numbers, so that 99 % of 100 is rank 99 and not 100 by rounding.
    const std::uint64_t rank = (percent * count_ + 99) / 100;
    std::uint64_t seen = 0;
    for (const auto& [value, times] : counts_) {
        seen += times;
        if (seen >= rank)
            return value;
    }
    return counts_.rbegin()->first;
}

std::optional<std::int64_t> Tally::max() const
{
    if (counts_.empty())
        return std::nullopt;
    return counts_.rbegin()->first;
}

std::uint64_t Tally::countAbove(std::int64_t limit) const
{
    std::uint64_t above = 0;
    for (auto it = counts_.upper_bound(limit); it != counts_.end(); ++it)
        above += it->second;
    return above;
}

void RunTotals::merge(const RunTotals& other)
{
    sessions += other.sessions;
    spins += other.spins;
    evaluatedSpins += other.evaluatedSpins;
    partiesCompleted += other.partiesCompleted;
    partiesGivenUp += other.partiesGivenUp;
    turnover += other.turnover;
    result += other.result;
    partieLengths.merge(other.partieLengths);
    partieDrawdowns.merge(other.partieDrawdowns);
    openLengths.merge(other.openLengths);
    openDrawdowns.merge(other.openDrawdowns);
    largestStakes.merge(other.largestStakes);
    capitalNeeds.merge(other.capitalNeeds);
    stoppedSessions += other.stoppedSessions;
    if (other.firstStopSpin)
        firstStopSpin = std::min(firstStopSpin.value_or(*other.firstStopSpin), *other.firstStopSpin);
    stuckSpinCounters += other.stuckSpinCounters;
}

} // namespace tavrel::sim
