#include "stake_table_model.h"

#include <QPointer>

namespace tavrel::ui {

StakeTableModel::StakeTableModel(GridModel& grid, QObject* parent)
    : QAbstractTableModel(parent)
    , grid_(grid)
    , shownRows_(grid.RowCount())
    , columns_(static_cast<int>(grid.columns().size()))
{
    // The core's notifiers cannot be left, so a model that is gone is skipped.
    QPointer<StakeTableModel> self(this);
    grid.rowAdded.subscribe([self](int row) {
        if (self)
            self->addRow(row);
    });
    grid.rowAboutToBeRemoved.subscribe([self](int row) {
        if (self)
            self->beginRemoveRows({}, row - 1, row - 1);
    });
    grid.rowRemoved.subscribe([self](int row) {
        if (self) {
            self->shownRows_ = row - 1;
            self->endRemoveRows();
        }
    });
    grid.cellChanged.subscribe([self](int row, int column) {
        if (self)
            self->changeCell(row, column);
    });
    grid.rowsAboutToBeCleared.subscribe([self] {
        if (self)
            self->beginResetModel();
    });
    grid.rowsCleared.subscribe([self] {
        if (self) {
            self->shownRows_ = 0;
            self->endResetModel();
        }
    });
}

void StakeTableModel::addRow(int row)
{
    beginInsertRows({}, row - 1, row - 1);
    shownRows_ = row;
    endInsertRows();
}

void StakeTableModel::changeCell(int row, int column)
{
    const QModelIndex cell = index(row - 1, column - 1);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

int StakeTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownRows_;
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
