#pragma once

#include <cstdint>
#include <map>
#include <optional>

namespace tavrel::sim {

// How often each whole value occurred. Memory grows with the number of distinct
// values, not with the number of observations, and percentiles stay exact.
class Tally {
public:
    void add(std::int64_t value, std::uint64_t times = 1);
    void merge(const Tally& other);

    std::uint64_t count() const { return count_; }
    // Nearest rank: the smallest value that at least percent (1 to 100) of all
    // observations do not exceed. Empty when nothing was observed.
    std::optional<std::int64_t> percentile(unsigned percent) const;
    std::optional<std::int64_t> max() const;
    // Observations strictly above the limit.
    std::uint64_t countAbove(std::int64_t limit) const;

    const std::map<std::int64_t, std::uint64_t>& counts() const { return counts_; }

private:
    std::map<std::int64_t, std::uint64_t> counts_;
    std::uint64_t count_ = 0;
};

} // namespace tavrel::sim
