#include "column_widths.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QString>
#include <QtMath>

#include <limits>

namespace tavrel::ui {

ColumnWidths::ColumnWidths(const QFont& font, const std::array<int, StakeColumnCount>& designed, int margin)
    : font_(font)
    , designed_(designed)
    , margin_(margin)
{
}

// The sum of the glyphs' advances, rounded up: never short of the width Qt
// lays the text out in (the same advances, less any kerning), and a look-up a
// character rather than a layout, which a long table could not afford for
// every cell.
int ColumnWidths::estimate(const std::string& text) const
{
    qreal sum = 0;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < ' ' || code >= advances_->size())
            return std::numeric_limits<int>::max();
        sum += (*advances_)[code];
    }
    return qCeil(sum);
}

void ColumnWidths::start()
{
    measured_ = 0;
    for (auto& column : widenings_)
        column.clear();
}

void ColumnWidths::follow(const std::deque<CoupRow>& rows)
{
    if (rows.size() < measured_) {
        for (auto& column : widenings_)
            while (!column.empty() && column.back().row >= rows.size())
                column.pop_back();
        measured_ = rows.size();
    }
    if (!advances_ && measured_ < rows.size()) {
        const QFontMetricsF exact(font_);
        advances_.emplace();
        for (char16_t c = ' '; c < advances_->size(); ++c)
            (*advances_)[c] = exact.horizontalAdvance(QChar(c));
    }
    // Only a text whose estimate does not fit is laid out. A column widened
    // takes in the estimate too, a pixel more at most, so that the texts like
    // the one that widened it pass unmeasured.
    for (; measured_ < rows.size(); ++measured_) {
        for (int c = 0; c < StakeColumnCount; ++c) {
            const std::string text = cellText(rows[measured_], c);
            const int now = width(c);
            const int estimated = estimate(text);
            if (estimated <= now - margin_)
                continue;
            const int laidOut = QFontMetrics(font_).horizontalAdvance(QString::fromStdString(text));
            if (laidOut > now - margin_)
                widenings_[c].push_back({measured_, std::min(estimated, laidOut + 1) + margin_});
        }
    }
}

int ColumnWidths::width(int column) const
{
    const auto& widened = widenings_[column];
    return widened.empty() ? designed_[column] : widened.back().width;
}

} // namespace tavrel::ui
