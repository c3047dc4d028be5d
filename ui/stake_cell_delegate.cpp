#include "stake_cell_delegate.h"

#include <QPainter>

namespace tavrel::ui {

namespace {

const int TextMargin = 3;
// Far more than the visible cells; reaching it only costs drawing them anew.
const qsizetype MaxKeptPictures = 4096;

} // namespace

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

} // namespace tavrel::ui
