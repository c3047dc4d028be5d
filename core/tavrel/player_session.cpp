#include "tavrel/player_session.h"

#include <limits>

namespace tavrel {

void PlayerSession::clickCell(int number)
{
    events_.push_back({TableEvent::Kind::Click, static_cast<std::uint8_t>(number)});
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
    events_.push_back({index == 0 ? TableEvent::Kind::SystemAktiv : TableEvent::Kind::StufeHalten});
    history_.clear();
    if (index == 0)
        system_.switchSystemAktiv();
    else
        system_.switchStufeHalten();
}

void PlayerSession::reset()
{
    events_.push_back({TableEvent::Kind::Reset});
    history_.clear();
    system_.reset();
    rows_.clear();
}

bool PlayerSession::undo()
{
    if (history_.empty())
        return false;
    events_.push_back({TableEvent::Kind::Undo});
    const BeforeClick& last = history_.back();
    system_ = last.system;
    rows_.resize(last.rowCount);
    history_.pop_back();
    return true;
}

void PlayerSession::play(TableEvent event)
{
    switch (event.kind) {
    case TableEvent::Kind::Click:
        return clickCell(event.cell);
    case TableEvent::Kind::SystemAktiv:
        return clickSwitch(0);
    case TableEvent::Kind::StufeHalten:
        return clickSwitch(1);
    case TableEvent::Kind::Reset:
        return reset();
    case TableEvent::Kind::Undo:
        undo();
        return;
    }
}

} // namespace tavrel
