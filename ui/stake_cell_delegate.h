#pragma once

#include <QHash>
#include <QPixmap>
#include <QStyledItemDelegate>

namespace tavrel::ui {

// Paints the stake table's text cells. A new row repaints every visible row, so
// each text is drawn once into a picture that later paints copy, instead of
// being laid out and drawn glyph by glyph in every paint. A text wider than its
// column is cut off at the cell's edge.
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

} // namespace tavrel::ui
