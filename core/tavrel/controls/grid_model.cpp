#include "tavrel/controls/grid_model.h"

#include "checked/runtime_error.h"

#include <limits>

namespace tavrel {

void GridModel::AddColumn(std::string key, std::string caption, std::int32_t widthTwips,
                          std::optional<std::int32_t> alignment)
{
    columns_.push_back({std::move(key), std::move(caption), widthTwips, alignment});
    for (auto& cells : rows_)
        cells.emplace_back();
}

void GridModel::AddRow(std::string column1Text)
{
    if (columns_.empty())
        throw RuntimeError("stake table has no columns");
    if (rows_.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw RuntimeError("stake table is full");
    const int added = RowCount() + 1;
    rowAboutToBeAdded.notify(added);
    rows_.emplace_back(columns_.size());
    rows_.back().front() = std::move(column1Text);
    rowAdded.notify(added);
}

void GridModel::SetCellText(long long rowIndex, long long column, std::string text)
{
    auto& cells = row(rowIndex);
    if (column < 1 || column > static_cast<long long>(cells.size()))
        throw RuntimeError("column out of bounds");
    cells[static_cast<std::size_t>(column - 1)] = std::move(text);
    cellChanged.notify(static_cast<int>(rowIndex), static_cast<int>(column));
}

void GridModel::SetCurrentRow(long long rowIndex)
{
    row(rowIndex);
    currentRow_ = static_cast<std::int32_t>(rowIndex);
    currentRowChanged.notify(currentRow_);
}

void GridModel::ClearRows()
{
    rowsAboutToBeCleared.notify();
    rows_.clear();
    currentRow_ = 0;
    rowsCleared.notify();
}

void GridModel::RemoveLastRow()
{
    if (rows_.empty())
        throw RuntimeError("stake table has no rows");
    const int removed = RowCount();
    rowAboutToBeRemoved.notify(removed);
    rows_.pop_back();
    rowRemoved.notify(removed);
    if (currentRow_ > RowCount()) {
        currentRow_ = RowCount();
        currentRowChanged.notify(currentRow_);
    }
}

const std::string& GridModel::CellText(long long rowIndex, long long column) const
{
    const auto& cells = row(rowIndex);
    if (column < 1 || column > static_cast<long long>(cells.size()))
        throw RuntimeError("column out of bounds");
    return cells[static_cast<std::size_t>(column - 1)];
}

std::vector<std::string>& GridModel::row(long long index)
{
    return const_cast<std::vector<std::string>&>(std::as_const(*this).row(index));
}

const std::vector<std::string>& GridModel::row(long long index) const
{
    if (index < 1 || index > static_cast<long long>(rows_.size()))
        throw RuntimeError("row out of bounds");
    return rows_[static_cast<std::size_t>(index - 1)];
}

} // namespace tavrel
