#pragma once

#include "checked/runtime_error.h"

#include <array>
#include <cstddef>

namespace tavrel {

// A fixed array addressed as Name(i) whose index is checked: an index outside
// 0..N-1 raises a RuntimeError, like any other run-time error of the rules.
template <class T, std::size_t N>
class BoundedArray {
public:
    static constexpr std::size_t size() { return N; }

    T& operator()(long long index) { return items_[checkedIndex(index)]; }
    const T& operator()(long long index) const { return items_[checkedIndex(index)]; }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const BoundedArray&) const = default;

private:
    static std::size_t checkedIndex(long long index)
    {
        if (index < 0 || index >= static_cast<long long>(N))
            throw RuntimeError("index out of bounds");
        return static_cast<std::size_t>(index);
    }

    std::array<T, N> items_{};
};

} // namespace tavrel
