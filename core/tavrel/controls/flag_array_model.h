#pragma once

#include "tavrel/bounded_array.h"
#include "tavrel/notifier.h"

#include <cstddef>
#include <cstdint>

namespace tavrel {

// A control array of two-state boxes (value 1 checked, 0 unchecked), addressed
// by index. Serves the hidden plein boxes and the two system switches.
template <std::size_t N>
class FlagArrayModel {
public:
    static constexpr std::size_t size() { return N; }

    std::int32_t Value(long long index) const { return values_(index); }

    void SetValue(long long index, std::int32_t value)
    {
        values_(index) = value;
        valueChanged.notify(static_cast<int>(index));
    }

    Notifier<int> valueChanged;

private:
    BoundedArray<std::int32_t, N> values_;
};

} // namespace tavrel
