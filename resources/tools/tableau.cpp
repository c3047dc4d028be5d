#include "tableau.h"

#include "palette.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 18> redNumbers{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};

bool isRed(int number)
{
    return std::find(redNumbers.begin(), redNumbers.end(), number) != redNumbers.end();
}

void paintChip(QPainter& painter, QPointF centre, qreal radius)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 30, 70, 90));
    painter.drawEllipse(centre + QPointF(1.5, 2), radius, radius);
    painter.setBrush(palette::zeroPocket.lighter(120));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Qt::white, radius * 0.3, Qt::DashLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.82, radius * 0.82);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawEllipse(centre, radius * 0.5, radius * 0.5);
}

void paintDiamond(QPainter& painter, const QRectF& cell, const QColor& colour)
{
    const QPointF c = cell.center();
    const qreal w = cell.width() * 0.28;
    const qreal h = cell.height() * 0.3;
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({c + QPointF(-w, 0), c + QPointF(0, -h), c + QPointF(w, 0), c + QPointF(0, h)}));
}

// The even-money chances under their French names, rouge and noir as diamonds.
void paintChances(QPainter& painter, const QRectF& row)
{
    const qreal width = row.width() / 6;
    QFont font("DejaVu Sans Condensed");
    font.setBold(true);
    font.setPixelSize(qRound(row.height() * 0.3));
    painter.setFont(font);
    const char* names[] = {"MANQUE", "PAIR", nullptr, nullptr, "IMPAIR", "PASSE"};
    for (int i = 0; i < 6; ++i) {
        const QRectF cell(row.left() + i * width, row.top(), width, row.height());
        painter.setPen(QPen(palette::metalLight, 2));
        painter.setBrush(palette::rimLight);
        painter.drawRect(cell);
        if (names[i]) {
            painter.setPen(Qt::white);
            painter.drawText(cell, Qt::AlignCenter, names[i]);
        }
    }
    paintDiamond(painter, QRectF(row.left() + 2 * width, row.top(), width, row.height()), palette::darkPocket);
    paintDiamond(painter, QRectF(row.left() + 3 * width, row.top(), width, row.height()), palette::lightPocket);
}

} // namespace

void paintTableau(QPainter& painter, const QRectF& area)
{
    painter.save();
    const qreal cellWidth = area.width() / 13;
    // Three rows of numbers and, below them, a lower row of even-money chances.
    const qreal cellHeight = area.height() / 3.8;
    const auto cell = [&](int column, int row) {
        return QRectF(area.left() + column * cellWidth, area.top() + row * cellHeight, cellWidth, cellHeight);
    };

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 40, 90, 50));
    painter.drawRect(QRectF(area.left(), area.top(), area.width(), 3 * cellHeight).translated(4, 5));
    painter.drawRect(QRectF(cell(1, 3).topLeft(), QSizeF(12 * cellWidth, 0.8 * cellHeight)).translated(4, 5));

    QFont font("DejaVu Sans");
    font.setBold(true);
    const QPen grid(palette::metalLight, 2);

    paintChances(painter, QRectF(cell(1, 3).topLeft(), QSizeF(12 * cellWidth, 0.8 * cellHeight)));
    font.setPixelSize(qRound(cellHeight * 0.34));
    painter.setFont(font);

    const QRectF zero = cell(0, 0).united(cell(0, 2));
    painter.setPen(grid);
    painter.setBrush(palette::zeroPocket);
    painter.drawRect(zero);
    painter.setPen(Qt::white);
    painter.drawText(zero, Qt::AlignCenter, "0");

    for (int column = 1; column <= 12; ++column) {
        for (int row = 0; row < 3; ++row) {
            const int number = 3 * column - row;
            const QColor fill = isRed(number) ? palette::darkPocket : palette::lightPocket;
            painter.setPen(grid);
            painter.setBrush(fill);
            painter.drawRect(cell(column, row));
            painter.setPen(isRed(number) ? Qt::white : palette::rimDark);
            painter.drawText(cell(column, row), Qt::AlignCenter, QString::number(number));
        }
    }

    // Chips on the four chevals a partie opens with: 0/2, 1/4, 6/3 and 8/5, low
    // on the shared line so that the numbers stay readable.
    const qreal chip = std::min(cellWidth, cellHeight) * 0.25;
    const auto onSplit = [&](int column, int row) {
        return QPointF(cell(column, row).left(), cell(column, row).bottom() - chip * 1.2);
    };
    for (const QPointF centre : {onSplit(1, 1), onSplit(2, 2), onSplit(2, 0), onSplit(3, 1)})
        paintChip(painter, centre, chip);
    painter.restore();
}
