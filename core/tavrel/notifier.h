#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace tavrel {

// Tells subscribers that a model changed, so a view can follow it in the same
// event. Copying a model copies its value, never its subscribers.
template <class... Args>
class Notifier {
public:
    using Slot = std::function<void(Args...)>;

    Notifier() = default;
    Notifier(const Notifier&) {}
    Notifier& operator=(const Notifier&) { return *this; }

    void subscribe(Slot slot) { slots_.push_back(std::move(slot)); }

    void notify(const Args&... args) const
    {
        for (const auto& slot : slots_)
            slot(args...);
    }

private:
    std::vector<Slot> slots_;
};

} // namespace tavrel
