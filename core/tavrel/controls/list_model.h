#pragma once

#include "tavrel/notifier.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrel {

// The list box of active pleins: lines of text, read by 0-based position.
class ListModel {
public:
    void Clear();
    void AddItem(std::string text);
    std::int32_t ListCount() const { return static_cast<std::int32_t>(items_.size()); }
    const std::string& List(long long index) const; // raises a RuntimeError outside 0..ListCount-1

    const std::vector<std::string>& items() const { return items_; }

    Notifier<> changed;

private:
    std::vector<std::string> items_;
};

} // namespace tavrel
