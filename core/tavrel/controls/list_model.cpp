#include "tavrel/controls/list_model.h"

#include "checked/runtime_error.h"

namespace tavrel {

void ListModel::Clear()
{
    items_.clear();
    changed.notify();
}

void ListModel::AddItem(std::string text)
{
    items_.push_back(std::move(text));
    changed.notify();
}

const std::string& ListModel::List(long long index) const
{
    if (index < 0 || index >= static_cast<long long>(items_.size()))
        throw RuntimeError("list index out of bounds");
    return items_[static_cast<std::size_t>(index)];
}

} // namespace tavrel
