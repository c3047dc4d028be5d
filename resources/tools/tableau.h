#pragma once

#include <QRectF>

class QPainter;

// Paints the betting layout (zero and the numbers 1 to 36 in three rows) in the
// wheel's blue tint, filling `area`.
void paintTableau(QPainter& painter, const QRectF& area);
