#pragma once

#include <QPoint>
#include <QRect>

namespace tavrel::ui {

// Where a window beside the main window goes, and where the main window goes
// so that both fit; frame geometries, on the screen's available area.
struct SideBySide {
    QPoint main;
    QRect beside;
};

// Beside the main window, right or left, as wide as `wanted` or as the screen
// leaves but no narrower than `narrowest`, as tall as the main window; the main
// window moves only if it must, and stays whole. On a screen too narrow for
// both, the main window goes to the left edge and this one, `narrowest` wide,
// to the right.
SideBySide placeBeside(const QRect& room, const QRect& main, int wanted, int narrowest);

} // namespace tavrel::ui
