#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <deque>

namespace tavrel {

// Ends one subscription when it goes, so a view that is destroyed is never
// called again. It may outlive the notifier it came from.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel)
        : cancel_(std::move(cancel))
    {
    }
    Subscription(Subscription&& other) noexcept
        : cancel_(std::exchange(other.cancel_, {}))
    {
    }
    Subscription& operator=(Subscription&& other) noexcept
    {
        if (this != &other) {
            end();
            cancel_ = std::exchange(other.cancel_, {});
        }
        return *this;
    }
    ~Subscription() { end(); }

    void end()
    {
        if (cancel_)
            std::exchange(cancel_, {})();
    }

private:
    std::function<void()> cancel_;
};

// Tells subscribers that a model changed, so a view can follow it in the same
// event. Copying a model copies its value, never its subscribers. A model that
// nobody watches pays for no list at all.
template <class... Args>
class Notifier {
public:
    using Slot = std::function<void(Args...)>;

    Notifier() = default;
    Notifier(const Notifier&) {}
    Notifier& operator=(const Notifier&) { return *this; }

    [[nodiscard]] Subscription subscribe(Slot slot)
    {
        if (!slots_)
            slots_ = std::make_shared<Slots>();
        const std::uint64_t id = slots_->nextId++;
        slots_->entries.push_back({id, std::move(slot)});
        return Subscription([weak = std::weak_ptr<Slots>(slots_), id] {
            if (const auto list = weak.lock())
                list->remove(id);
        });
    }

    void notify(const Args&... args) const
    {
        if (!slots_)
            return;
        // While the list is walked a slot may subscribe (a deque keeps the
        // entries in place) or end subscriptions, its own included (they are
        // only marked, and swept once the walk is over).
        const std::shared_ptr<Slots> list = slots_;
        ++list->walking;
        const std::size_t count = list->entries.size();
        for (std::size_t i = 0; i < count; ++i)
            if (const Entry& entry = list->entries[i]; entry.live)
                entry.slot(args...);
        if (--list->walking == 0)
            list->sweep();
    }

private:
    struct Entry {
        std::uint64_t id;
        Slot slot;
        bool live = true;
    };

    struct Slots {
        std::deque<Entry> entries;
        std::uint64_t nextId = 0;
        int walking = 0;

        void remove(std::uint64_t id)
        {
            for (auto& entry : entries)
                if (entry.id == id)
                    entry.live = false;
            if (walking == 0)
                sweep();
        }

        void sweep()
        {
            std::erase_if(entries, [](const Entry& entry) { return !entry.live; });
        }
    };

    std::shared_ptr<Slots> slots_;
};

} // namespace tavrel
