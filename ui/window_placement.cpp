#include "window_placement.h"

#include <algorithm>

namespace tavrel::ui {

namespace {

constexpr int Gap = 8;

// The top-left corner that keeps a rectangle of `size` whole in `room`, as near `at` as can be.
QPoint inside(const QRect& room, QPoint at, QSize size)
{
    return {std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width())),
            std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height()))};
}

} // namespace

SideBySide placeBeside(const QRect& room, const QRect& main, int wanted, int narrowest)
{
    const QPoint mainAt = inside(room, main.topLeft(), main.size());
    const int spare = room.width() - main.width();
    if (spare < narrowest) {
        // Too narrow for both: it can only cover the far end of the stake table.
        const QSize size(narrowest, std::min(main.height(), room.height()));
        const QPoint at(room.right() + 1 - narrowest, mainAt.y());
        return {QPoint(room.left(), mainAt.y()), QRect(inside(room, at, size), size)};
    }
    const int width = std::min(wanted, spare);
    const int gap = std::min(Gap, spare - width);
    const QSize size(width, std::min(main.height(), room.height()));
    const int y = mainAt.y();
    if (mainAt.x() + main.width() + gap + width <= room.right() + 1)
        return {mainAt, QRect(inside(room, {mainAt.x() + main.width() + gap, y}, size), size)};
    if (mainAt.x() - gap - width >= room.left())
        return {mainAt, QRect(inside(room, {mainAt.x() - gap - width, y}, size), size)};
    // Neither side has room: the pair is centred, the main window on the left.
    const int left = room.left() + (spare - width - gap) / 2;
    return {QPoint(left, y), QRect(inside(room, {left + main.width() + gap, y}, size), size)};
}

} // namespace tavrel::ui
