#pragma once

#include "tavrel/controls_snapshot.h"
#include "tavrel/coup_row.h"

#include <QFont>

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tavrel::ui {

// The stake table's column widths: each as designed, or as wide as the widest
// text of the rows now in the table needs, so that no text is ever cut. Rows
// taken back give their width back, so the widths depend on the rows alone.
class ColumnWidths {
public:
    // `margin` is the room a cell leaves beside its text.
    ColumnWidths(const QFont& font, const std::array<int, StakeColumnCount>& designed, int margin);

    // Follows rows that were appended or taken away from the end since the
    // last call; after any other change, start() first.
    void follow(const std::deque<CoupRow>& rows);
    // Forgets the rows measured: the next follow() measures them all.
    void start();

    int width(int column) const;

private:
    int estimate(const std::string& text) const;

    // Where a column's widest text grew: from that row on it needs `width`.
    struct Widening {
        std::size_t row;
        int width;
    };

    QFont font_;
    // Of the printable ASCII characters, up to '~': DEL has no glyph, and asking
    // for one sends Qt looking through the fallback fonts. Measured with the
    // first row, not while the window is being opened.
    std::optional<std::array<qreal, '~' + 1>> advances_;
    std::array<int, StakeColumnCount> designed_;
    int margin_;
    std::size_t measured_ = 0; // the rows followed so far
    // Ascending in both row and width, so that taking rows back pops them.
    std::array<std::vector<Widening>, StakeColumnCount> widenings_;
};

} // namespace tavrel::ui
