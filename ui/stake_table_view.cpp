#include "stake_table_view.h"

#include "fonts/fonts.h"
#include "stake_cell_delegate.h"
#include "stake_table_model.h"
#include "twips.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyleFactory>

#include <utility>

namespace tavrel::ui {

namespace {

const int RowHeight = 17;
const QColor GridLine{192, 192, 192};

// A header of fixed sections whose size hint is its fixed thickness. The table
// asks both headers for their size hints after every new row, and the stock
// answer measures the captions of up to two hundred sections each time.
class FixedHeader : public QHeaderView {
public:
    FixedHeader(Qt::Orientation orientation, int thickness, QWidget* parent)
        : QHeaderView(orientation, parent)
        , thickness_(thickness)
    {
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(1);
    }

    QSize sizeHint() const override
    {
        return orientation() == Qt::Horizontal ? QSize(0, thickness_) : QSize(thickness_, 0);
    }

private:
    int thickness_;
};

} // namespace

StakeTableView::StakeTableView(GridModel& grid, QWidget* parent)
    : QTableView(parent)
    , model_(new StakeTableModel(grid, this))
{
    setFont(fonts::tahoma(8.25));
    setHorizontalHeader(new FixedHeader(Qt::Horizontal, RowHeight + 2, this));
    setVerticalHeader(new FixedHeader(Qt::Vertical, 0, this));
    setModel(model_);
    setItemDelegate(new StakeCellDelegate(this));
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    // The grid lines are drawn once per line rather than once per cell.
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Plain scroll bars in the old grid's look: the gradients of the default
    // style cost more to repaint, on every new row, than the rows themselves.
    if (QStyle* plain = QStyleFactory::create("Windows")) {
        plain->setParent(this);
        verticalScrollBar()->setStyle(plain);
        horizontalScrollBar()->setStyle(plain);
    }

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setDefaultSectionSize(RowHeight);

    QHeaderView* columns = horizontalHeader();
    columns->setSectionsMovable(false);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    for (std::size_t c = 0; c < grid.columns().size(); ++c)
        columns->resizeSection(static_cast<int>(c), twips(grid.columns()[c].widthTwips));

    connect(model_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int) { noteRowsInserted(first); });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { rowsTakenAway_ = true; });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { rowsTakenAway_ = true; });

    currentRowShown_ = grid.currentRowChanged.subscribe([this](int row) { showCurrentRow(row); });
}

void StakeTableView::noteRowsInserted(int first)
{
    appendedFrom_ = appendedFrom_ < 0 ? first : qMin(appendedFrom_, first);
}

void StakeTableView::doItemsLayout()
{
    const int first = std::exchange(appendedFrom_, -1);
    const bool taken = std::exchange(rowsTakenAway_, false);
    if (first < 0 || taken)
        return QTableView::doItemsLayout();
    // Rows were only appended: the rows above them are as they were, so only the
    // new ones are painted rather than the whole view.
    updateGeometries();
    const int top = rowViewportPosition(first);
    if (top < viewport()->height())
        viewport()->update(0, top, viewport()->width(), viewport()->height() - top);
}

void StakeTableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    const int columns = model_->columnCount();
    const QRect area = event->rect();
    const int firstRow = rowAt(area.top());
    if (firstRow < 0 || columns == 0)
        return;
    const int lastRow = rowAt(area.bottom()) < 0 ? model_->rowCount() - 1 : rowAt(area.bottom());
    const int bottom = rowViewportPosition(lastRow) + rowHeight(lastRow);
    const int right = columnViewportPosition(columns - 1) + columnWidth(columns - 1);

    // The last column and row of pixels of every cell, one fill per line.
    QPainter painter(viewport());
    for (int c = 0; c < columns; ++c)
        painter.fillRect(columnViewportPosition(c) + columnWidth(c) - 1, area.top(), 1, bottom - area.top(), GridLine);
    for (int r = firstRow; r <= lastRow; ++r)
        painter.fillRect(0, rowViewportPosition(r) + rowHeight(r) - 1, right, 1, GridLine);
}

void StakeTableView::verticalScrollbarValueChanged(int)
{
}

void StakeTableView::showCurrentRow(int row)
{
    const QModelIndex current = model_->index(row - 1, 0);
    setCurrentIndex(current);
    scrollTo(current);
}

} // namespace tavrel::ui
