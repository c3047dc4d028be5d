#pragma once

#include "tavrel/controls/grid_model.h"

#include <QAbstractTableModel>

#include <vector>

namespace tavrel::ui {

// The core's stake table as a Qt item model, following its every change. The
// columns are those the grid has when the model is made.
class StakeTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit StakeTableModel(GridModel& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void changeCell(int row, int column);

    const GridModel& grid_;
    int columns_;
    std::vector<Subscription> following_;
};

} // namespace tavrel::ui
