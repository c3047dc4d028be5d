#pragma once

#include <QPointF>

class QPainter;

// How much a wheel shows: at icon size numbers and frets only blur the pockets.
enum class WheelDetail { Full, Icon };

// Paints a blue-tinted single-zero roulette wheel seen from above.
void paintWheel(QPainter& painter, QPointF centre, qreal radius, WheelDetail detail);
