#pragma once

#include "tavrel/controls/grid_model.h"

#include <QTableView>

namespace tavrel::ui {

class StakeTableModel;

// The stake table ("Satztabelle"): the core's grid in a table whose columns have
// fixed widths and whose rows have one fixed height, so a new row costs the same
// however many rows are already there, and repaints only itself. The grid's
// current row becomes the view's current row and is scrolled into sight.
class StakeTableView : public QTableView {
    Q_OBJECT

public:
    explicit StakeTableView(GridModel& grid, QWidget* parent = nullptr);

    StakeTableModel* stakeModel() const { return model_; }

    void doItemsLayout() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The stock slot asks the display server where the pointer is, a round trip
    // for every new row, to update a hover look and fetch more rows, neither of
    // which this table has; so scrolling does nothing more.
    void verticalScrollbarValueChanged(int value) override;

private:
    void noteRowsInserted(int first);
    void showCurrentRow(int row);

    StakeTableModel* model_;
    Subscription currentRowShown_;
    // Since the last layout: the first row appended, or -1 for none, and whether
    // rows were removed or reset, which needs the whole view painted.
    int appendedFrom_ = -1;
    bool rowsTakenAway_ = false;
};

} // namespace tavrel::ui
