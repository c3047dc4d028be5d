#pragma once

#include <QPointF>

class QPainter;

// Paints a blue-tinted single-zero roulette wheel seen from above. Numbers are
// left out when the wheel is too small to read them.
void paintWheel(QPainter& painter, QPointF centre, qreal radius, bool withNumbers);
