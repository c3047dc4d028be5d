#pragma once

#include "column_widths.h"
#include "tavrel/player_session.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QTableView>

#include <optional>

namespace tavrel::ui {

// The session's rows as a Qt item model; the texts are formatted as they are
// shown. Rows are only ever appended, taken back from the end or all cleared,
// so following the session means comparing row counts.
class StakeTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit StakeTableModel(const PlayerSession& session, QObject* parent = nullptr);

    // Brings the model to the session's rows, after any event.
    void follow();
    // Takes the session's rows afresh, after the session was replaced.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const PlayerSession& session_;
    int rows_ = 0; // the rows the view has been told of
};

// Paints the text cells. A new row repaints every visible row, so each text is
// drawn once into a picture that later paints copy, instead of being laid out
// and drawn glyph by glyph in every paint. The table widens a column before any
// text outgrows it.
class StakeCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const QPixmap& picture(const QString& text, const QStyleOptionViewItem& option, const QColor& colour) const;

    // The pictures, and the font, colour and pixel ratio they were drawn with.
    mutable QHash<QString, QPixmap> pictures_;
    mutable QFont picturesFont_;
    mutable QColor picturesColour_;
    mutable qreal picturesRatio_ = 0;
};

// The stake table ("Satztabelle"): columns of the designed widths, widened only
// where a text of the rows needs it, and rows of one fixed height, so a new row
// costs the same however many rows are already there, and repaints only itself.
// The newest row is the current one and is scrolled into sight; once the
// columns pass the table's width, it scrolls sideways too.
class StakeTable : public QTableView {
    Q_OBJECT

public:
    explicit StakeTable(const PlayerSession& session, QWidget* parent = nullptr);

    // Shows the session's rows as they are now.
    void follow();
    // The same after the session was replaced as a whole, as by opening a file.
    void showAnew();

    void doItemsLayout() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The stock slot asks the display server where the pointer is, a round trip
    // for every new row, to update a hover look and fetch more rows, neither of
    // which this table has; so scrolling does nothing more.
    void verticalScrollbarValueChanged(int value) override;

private:
    void fitColumns();
    void showNewest();

    const PlayerSession& session_;
    StakeTableModel* model_;
    ColumnWidths widths_;
    // Since the last layout: the first row appended, if any, and whether rows
    // were removed or reset, which needs the whole view painted.
    std::optional<int> appendedFrom_;
    bool rowsTakenAway_ = false;
};

} // namespace tavrel::ui
