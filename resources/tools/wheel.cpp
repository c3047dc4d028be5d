#include "wheel.h"

#include "palette.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace {

// The numbers of a single-zero wheel, clockwise from the zero.
constexpr std::array<int, 37> wheelOrder{0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6,  27, 13,
                                         36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1,  20, 14,
                                         31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};
constexpr qreal pocketSpan = 360.0 / wheelOrder.size();

QPointF onCircle(QPointF centre, qreal radius, qreal degrees)
{
    const qreal rad = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(std::cos(rad), -std::sin(rad)) * radius;
}

QPainterPath ring(QPointF centre, qreal outer, qreal inner, qreal startDeg, qreal spanDeg)
{
    QPainterPath path;
    path.arcMoveTo(QRectF(centre - QPointF(outer, outer), QSizeF(2 * outer, 2 * outer)), startDeg);
    path.arcTo(QRectF(centre - QPointF(outer, outer), QSizeF(2 * outer, 2 * outer)), startDeg, spanDeg);
    path.arcTo(QRectF(centre - QPointF(inner, inner), QSizeF(2 * inner, 2 * inner)), startDeg + spanDeg, -spanDeg);
    path.closeSubpath();
    return path;
}

QColor pocketColour(int index)
{
    if (index == 0)
        return palette::zeroPocket;
    return index % 2 == 1 ? palette::darkPocket : palette::lightPocket;
}

// Angle of the middle of the pocket at `index`; the zero sits at the top.
qreal pocketAngle(int index)
{
    return 90.0 - index * pocketSpan;
}

void fillCircle(QPainter& painter, QPointF centre, qreal radius, const QBrush& brush)
{
    painter.setBrush(brush);
    painter.drawEllipse(centre, radius, radius);
}

QRadialGradient metal(QPointF centre, qreal radius)
{
    QRadialGradient gradient(centre, radius, centre - QPointF(radius, radius) * 0.4);
    gradient.setColorAt(0, palette::metalLight);
    gradient.setColorAt(1, palette::metalDark);
    return gradient;
}

// The size leaves every number inside its pocket: in the About box's picture
// neighbours stand at least four pixels apart.
void paintNumbers(QPainter& painter, QPointF centre, qreal radius)
{
    QFont font("DejaVu Sans Condensed");
    font.setBold(true);
    font.setPixelSize(qMax(6, qRound(radius * 0.08)));
    painter.setFont(font);
    for (int i = 0; i < int(wheelOrder.size()); ++i) {
        painter.save();
        painter.translate(onCircle(centre, radius * 0.74, pocketAngle(i)));
        painter.rotate(90.0 - pocketAngle(i));
        painter.setPen(i % 2 == 1 || i == 0 ? Qt::white : palette::rimDark);
        painter.drawText(QRectF(-radius * 0.1, -radius * 0.06, radius * 0.2, radius * 0.12), Qt::AlignCenter,
                         QString::number(wheelOrder[i]));
        painter.restore();
    }
}

} // namespace

void paintWheel(QPainter& painter, QPointF centre, qreal radius, WheelDetail detail)
{
    painter.save();
    painter.setPen(Qt::NoPen);

    fillCircle(painter, centre + QPointF(radius * 0.03, radius * 0.05), radius, QColor(0, 40, 90, 60));
    QRadialGradient bowl(centre, radius);
    bowl.setColorAt(0.85, palette::rimLight);
    bowl.setColorAt(1, palette::rimDark);
    fillCircle(painter, centre, radius, bowl);
    QRadialGradient track(centre, radius * 0.9);
    track.setColorAt(0.85, palette::metalLight);
    track.setColorAt(1, palette::lightPocket);
    fillCircle(painter, centre, radius * 0.9, track);

    const int pockets = detail == WheelDetail::Small ? 9 : int(wheelOrder.size());
    const qreal span = 360.0 / pockets;
    for (int i = 0; i < pockets; ++i) {
        const qreal start = 90.0 - i * span - span / 2;
        painter.setBrush(pocketColour(i));
        painter.drawPath(ring(centre, radius * 0.81, radius * 0.67, start, span));
        painter.setBrush(pocketColour(i).darker(125));
        painter.drawPath(ring(centre, radius * 0.67, radius * 0.53, start, span));
    }
    if (detail == WheelDetail::Full) {
        painter.setPen(QPen(palette::metalLight, radius * 0.012));
        for (int i = 0; i < int(wheelOrder.size()); ++i) {
            const qreal edge = pocketAngle(i) - pocketSpan / 2;
            painter.drawLine(onCircle(centre, radius * 0.53, edge), onCircle(centre, radius * 0.67, edge));
        }
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, radius * 0.67, radius * 0.67);
        painter.setPen(Qt::NoPen);
        paintNumbers(painter, centre, radius);
    }

    QRadialGradient cone(centre, radius * 0.53);
    cone.setColorAt(0, palette::lightPocket.lighter(115));
    cone.setColorAt(1, palette::darkPocket);
    fillCircle(painter, centre, radius * 0.53, cone);

    const qreal armWidth = detail == WheelDetail::Full ? radius * 0.05 : radius * 0.08;
    painter.setPen(QPen(palette::metalDark, armWidth, Qt::SolidLine, Qt::RoundCap));
    for (qreal angle : {45.0, 135.0})
        painter.drawLine(onCircle(centre, radius * 0.36, angle), onCircle(centre, radius * 0.36, angle + 180));
    painter.setPen(Qt::NoPen);
    for (qreal angle : {45.0, 135.0, 225.0, 315.0}) {
        const QPointF knob = onCircle(centre, radius * 0.36, angle);
        fillCircle(painter, knob, radius * 0.045, metal(knob, radius * 0.045));
    }
    fillCircle(painter, centre, radius * 0.13, metal(centre, radius * 0.13));

    const QPointF ball = onCircle(centre, radius * 0.6, pocketAngle(8));
    const qreal ballRadius = radius * (detail == WheelDetail::Full ? 0.045 : detail == WheelDetail::Icon ? 0.08 : 0.12);
    QRadialGradient ivory(ball, ballRadius, ball - QPointF(ballRadius, ballRadius) * 0.4);
    ivory.setColorAt(0, Qt::white);
    ivory.setColorAt(1, QColor(190, 200, 215));
    fillCircle(painter, ball, ballRadius, ivory);
    painter.restore();
}
