#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <ostream>

namespace tavrel::sim {

// Spins done, spins per second and time left, redrawn on one terminal line.
// Silent for the first second, so short runs print nothing.
class ProgressLine {
public:
    ProgressLine(std::ostream& out, std::uint64_t totalSpins);

    void show(std::uint64_t spinsDone);
    // Clears the line, if one was drawn.
    void finish();

private:
    std::ostream& out_;
    std::uint64_t totalSpins_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    bool drawn_ = false;
};

} // namespace tavrel::sim
