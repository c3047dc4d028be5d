#include "tavrel/player_session.h"

#include <limits>

namespace tavrel {

void PlayerSession::clickCell(int number)
{
    history_.push_back({system_, rows_.size()});
    if (history_.size() > UndoDepth)
        history_.pop_front();
    const CoupRow row = system_.spin(number);
    // The table numbers its rows in 32 bits; past that a spin still counts.
    if (rows_.size() < static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        rows_.push_back(row);
}

void PlayerSession::clickSwitch(int index)
{
    history_.clear();
    if (index == 0)
        system_.switchSystemAktiv();
    else
        system_.switchStufeHalten();
}

void PlayerSession::reset()
{
    history_.clear();
    system_.reset();
    rows_.clear();
}

void PlayerSession::undo()
{
    if (history_.empty())
        return;
    const BeforeClick& last = history_.back();
    system_ = last.system;
    rows_.resize(last.rowCount);
    history_.pop_back();
}

} // namespace tavrel
