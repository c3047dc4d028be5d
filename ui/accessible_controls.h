#pragma once

namespace tavrel::ui {

// Teaches Qt's accessibility what the window's own controls are, so that a
// screen reader finds the tableau cells as buttons and the switches as check
// boxes with their state. Safe to call any number of times.
void installAccessibleControls();

} // namespace tavrel::ui
