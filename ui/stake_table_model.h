#pragma once

#include "tavrel/controls/grid_model.h"

#include <QAbstractTableModel>

namespace tavrel::ui {

// The core's stake table as a Qt item model, following its every change. The
// core tells of a row only once it holds it, while Qt wants to hear of it before;
// so the model counts the rows it has announced and shows no more than those.
// The columns are those the grid has when the model is made.
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
    void addRow(int row);
    void changeCell(int row, int column);

    const GridModel& grid_;
    int shownRows_;
    int columns_;
};

} // namespace tavrel::ui
