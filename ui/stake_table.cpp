#include "stake_table.h"

#include "fonts/fonts.h"
#include "tavrel/controls_snapshot.h"
#include "units/twips.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>

#include <utility>

namespace tavrel::ui {

namespace {

struct Column {
    const char* caption;
    int widthTwips;
    bool centred;
};

const Column Columns[StakeColumnCount] = {
    {"Coups", 800, false},  {"Plein", 600, true},    {"Pleins gesetzt", 5000, false}, {"Treffer", 650, true},
    {"Einsatz", 650, false}, {"Saldo", 650, false}, {"Partie", 650, false},          {"Gesamt", 650, false},
};

const int RowHeight = 17;
const QColor GridLine{192, 192, 192};
const int TextMargin = 3;
// A cell's room beside its text: the margins and its grid line.
const int CellMargin = 2 * TextMargin + 1;
// Far more than the visible cells; reaching it only costs drawing them anew.
const qsizetype MaxKeptPictures = 4096;

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

std::array<int, StakeColumnCount> designedWidths()
{
    std::array<int, StakeColumnCount> widths{};
    for (int c = 0; c < StakeColumnCount; ++c)
        widths[c] = twipsToPixels(Columns[c].widthTwips);
    return widths;
}

} // namespace

StakeTableModel::StakeTableModel(const PlayerSession& session, QObject* parent)
    : QAbstractTableModel(parent)
    , session_(session)
{
}

void StakeTableModel::follow()
{
    const int now = session_.rowCount();
    if (now > rows_) {
        beginInsertRows({}, rows_, now - 1);
        rows_ = now;
        endInsertRows();
    } else if (now == 0 && rows_ > 0) {
        beginResetModel();
        rows_ = 0;
        endResetModel();
    } else if (now < rows_) {
        beginRemoveRows({}, now, rows_ - 1);
        rows_ = now;
        endRemoveRows();
    }
}

void StakeTableModel::reload()
{
    beginResetModel();
    rows_ = session_.rowCount();
    endResetModel();
}

int StakeTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int StakeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : StakeColumnCount;
}

QVariant StakeTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(cellText(session_.rows()[static_cast<std::size_t>(index.row())], index.column()));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (Columns[index.column()].centred ? Qt::AlignHCenter : Qt::AlignLeft));
    return {};
}

QVariant StakeTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < StakeColumnCount)
        return QString(Columns[section].caption);
    return QAbstractTableModel::headerData(section, orientation, role); // rows are numbered from 1
}

Qt::ItemFlags StakeTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void StakeCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The cell's last column and row of pixels belong to the grid lines.
    const QRect inside = option.rect.adjusted(0, 0, -1, -1);
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
    if (selected)
        painter->fillRect(inside, option.palette.brush(group, QPalette::Highlight));

    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    const QRect area = inside.adjusted(TextMargin, 0, -TextMargin, 0);
    const auto alignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    if (selected) {
        // Only the current row is selected: it is drawn directly.
        painter->setPen(option.palette.color(group, QPalette::HighlightedText));
        painter->drawText(area, int(alignment | Qt::AlignVCenter), text);
        return;
    }
    const QPixmap& glyphs = picture(text, option, option.palette.color(group, QPalette::Text));
    const QSize size = glyphs.deviceIndependentSize().toSize();
    const int left = alignment & Qt::AlignHCenter ? area.left() + (area.width() - size.width()) / 2 : area.left();
    const int top = inside.top() + (inside.height() - size.height()) / 2;
    const QRect target(qMax(left, area.left()), top, qMin(size.width(), area.width()), size.height());
    painter->drawPixmap(target.topLeft(), glyphs, QRect(QPoint(0, 0), target.size() * glyphs.devicePixelRatio()));
}

const QPixmap& StakeCellDelegate::picture(const QString& text, const QStyleOptionViewItem& option,
                                          const QColor& colour) const
{
    const QFont& font = option.font;
    const qreal ratio = option.widget ? option.widget->devicePixelRatioF() : 1.0;
    if (font != picturesFont_ || colour != picturesColour_ || ratio != picturesRatio_
        || pictures_.size() >= MaxKeptPictures) {
        pictures_.clear();
        picturesFont_ = font;
        picturesColour_ = colour;
        picturesRatio_ = ratio;
    }
    auto kept = pictures_.find(text);
    if (kept == pictures_.end()) {
        const QFontMetrics metrics(font);
        QPixmap glyphs(QSize(qMax(1, metrics.horizontalAdvance(text)), metrics.height()) * ratio);
        glyphs.setDevicePixelRatio(ratio);
        glyphs.fill(Qt::transparent);
        QPainter painter(&glyphs);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(0, metrics.ascent(), text);
        painter.end();
        kept = pictures_.insert(text, glyphs);
    }
    return kept.value();
}


StakeTable::StakeTable(const PlayerSession& session, QWidget* parent)
    : QTableView(parent)
    , session_(session)
    , model_(new StakeTableModel(session, this))
    , widths_(fonts::tahoma(8.25), designedWidths(), CellMargin)
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

    connect(model_, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int) {
        appendedFrom_ = qMin(appendedFrom_.value_or(first), first);
    });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { rowsTakenAway_ = true; });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { rowsTakenAway_ = true; });
}

void StakeTable::follow()
{
    const int before = model_->rowCount();
    model_->follow();
    fitColumns();
    if (model_->rowCount() != before)
        showNewest();
}

void StakeTable::showAnew()
{
    model_->reload();
    widths_.start();
    fitColumns();
    showNewest();
}

void StakeTable::fitColumns()
{
    widths_.follow(session_.rows());
    bool resized = false;
    for (int c = 0; c < StakeColumnCount; ++c) {
        if (columnWidth(c) != widths_.width(c)) {
            horizontalHeader()->resizeSection(c, widths_.width(c));
            resized = true;
        }
    }
    // The sideways scroll bar comes or goes now, not at the next layout, so
    // that the newest row is scrolled into the view as high as it will be.
    if (resized)
        updateGeometries();
}

void StakeTable::showNewest()
{
    const QModelIndex newest = model_->index(model_->rowCount() - 1, 0);
    setCurrentIndex(newest);
    scrollTo(newest);
}

void StakeTable::doItemsLayout()
{
    const std::optional<int> first = std::exchange(appendedFrom_, std::nullopt);
    const bool taken = std::exchange(rowsTakenAway_, false);
    if (!first || taken)
        return QTableView::doItemsLayout();
    // Rows were only appended: the rows above them are as they were, so only the
    // new ones are painted rather than the whole view.
    updateGeometries();
    const int top = rowViewportPosition(*first);
    if (top < viewport()->height())
        viewport()->update(0, top, viewport()->width(), viewport()->height() - top);
}

void StakeTable::paintEvent(QPaintEvent* event)
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

void StakeTable::verticalScrollbarValueChanged(int)
{
}

} // namespace tavrel::ui
