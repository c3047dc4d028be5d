#include "stake_table_model.h"

namespace tavrel::ui {

StakeTableModel::StakeTableModel(GridModel& grid, QObject* parent)
    : QAbstractTableModel(parent)
    , grid_(grid)
    , columns_(static_cast<int>(grid.columns().size()))
{
    following_.push_back(grid.rowAboutToBeAdded.subscribe([this](int row) { beginInsertRows({}, row - 1, row - 1); }));
    following_.push_back(grid.rowAdded.subscribe([this](int) { endInsertRows(); }));
    following_.push_back(grid.rowAboutToBeRemoved.subscribe([this](int row) { beginRemoveRows({}, row - 1, row - 1); }));
    following_.push_back(grid.rowRemoved.subscribe([this](int) { endRemoveRows(); }));
    following_.push_back(grid.cellChanged.subscribe([this](int row, int column) { changeCell(row, column); }));
    following_.push_back(grid.rowsAboutToBeCleared.subscribe([this] { beginResetModel(); }));
    following_.push_back(grid.rowsCleared.subscribe([this] { endResetModel(); }));
}

void StakeTableModel::changeCell(int row, int column)
{
    const QModelIndex cell = index(row - 1, column - 1);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

int StakeTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.RowCount();
}

int StakeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant StakeTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(grid_.CellText(index.row() + 1, index.column() + 1));
    if (role == Qt::TextAlignmentRole) {
        const auto& alignment = grid_.columns()[static_cast<std::size_t>(index.column())].alignment;
        return QVariant::fromValue(Qt::AlignVCenter | (alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft));
    }
    return {};
}

QVariant StakeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columns_)
        return {};
    return QString::fromStdString(grid_.columns()[static_cast<std::size_t>(section)].caption);
}

Qt::ItemFlags StakeTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace tavrel::ui
