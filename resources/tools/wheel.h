#pragma once

#include <QPointF>

class QPainter;

// How much a wheel shows: at icon size numbers and frets only blur the pockets,
// and at the smallest icon sizes 37 pockets blur into one colour, so fewer and
// wider ones stand for them.
enum class WheelDetail { Full, Icon, Small };

// Paints a blue-tinted single-zero roulette wheel seen from above.
void paintWheel(QPainter& painter, QPointF centre, qreal radius, WheelDetail detail);
