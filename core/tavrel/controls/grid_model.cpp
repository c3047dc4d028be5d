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
    if (rowCount_ == std::numeric_limits<std::int32_t>::max())
        throw RuntimeError("stake table is full");
    const int added = RowCount() + 1;
    rowAboutToBeAdded.notify(added);
    if (keepsTexts_) {
        rows_.emplace_back(columns_.size());
        rows_.back().front() = std::move(column1Text);
    }
    ++rowCount_;
    rowAdded.notify(added);
}

void GridModel::SetCellText(long long rowIndex, long long column, std::string text)
{
    checkCell(rowIndex, column);
    if (keepsTexts_)
        row(rowIndex)[static_cast<std::size_t>(column - 1)] = std::move(text);
    cellChanged.notify(static_cast<int>(rowIndex), static_cast<int>(column));
}

void GridModel::SetCurrentRow(long long rowIndex)
{
    checkCell(rowIndex, 1);
    currentRow_ = static_cast<std::int32_t>(rowIndex);
    currentRowChanged.notify(currentRow_);
}

void GridModel::ClearRows()
{
    rowsAboutToBeCleared.notify();
    rows_.clear();
    rowCount_ = 0;
    currentRow_ = 0;
    rowsCleared.notify();
}

void GridModel::RemoveLastRow()
{
    if (rowCount_ == 0)
        throw RuntimeError("stake table has no rows");
    const int removed = RowCount();
    rowAboutToBeRemoved.notify(removed);
    if (keepsTexts_)
        rows_.pop_back();
    --rowCount_;
    rowRemoved.notify(removed);
    if (currentRow_ > RowCount()) {
        currentRow_ = RowCount();
        currentRowChanged.notify(currentRow_);
    }
}

const std::string& GridModel::CellText(long long rowIndex, long long column) const
{
    static const std::string noText;
    checkCell(rowIndex, column);
    return keepsTexts_ ? row(rowIndex)[static_cast<std::size_t>(column - 1)] : noText;
}

void GridModel::checkCell(long long rowIndex, long long column) const
{
    if (rowIndex < 1 || rowIndex > rowCount_)
        throw RuntimeError("row out of bounds");
    if (column < 1 || column > static_cast<long long>(columns_.size()))
        throw RuntimeError("column out of bounds");
}

std::vector<std::string>& GridModel::row(long long index)
{
    return rows_[static_cast<std::size_t>(index - 1)];
}

const std::vector<std::string>& GridModel::row(long long index) const
{
    return rows_[static_cast<std::size_t>(index - 1)];
}

} // namespace tavrel
