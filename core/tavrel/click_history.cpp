#include "tavrel/click_history.h"

namespace tavrel {

ClickHistory::ClickHistory(TavrelSystem& system)
    : system_(system)
{
}

void ClickHistory::recordBeforeClick()
{
    Snapshot s{system_, system_.Frm_Tavrel.snapshot()};
    const bool wasEmpty = snapshots_.empty();
    snapshots_.push_back(std::move(s));
    if (snapshots_.size() > Depth)
        snapshots_.pop_front();
    if (wasEmpty)
        availabilityChanged.notify(true);
}

void ClickHistory::forget()
{
    if (snapshots_.empty())
        return;
    snapshots_.clear();
    availabilityChanged.notify(false);
}

void ClickHistory::undoLastClick()
{
    if (snapshots_.empty())
        return;
    const Snapshot& last = snapshots_.back();
    static_cast<M_Tavrel&>(system_) = last.state;
    system_.Frm_Tavrel.restore(last.controls);
    snapshots_.pop_back();
    if (snapshots_.empty())
        availabilityChanged.notify(false);
}

} // namespace tavrel
