#include "tableau.h"

#include "palette.h"

#include <QFont>
#include <QPainter>

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

} // namespace

void paintTableau(QPainter& painter, const QRectF& area)
{
    painter.save();
    const qreal cellWidth = area.width() / 13;
    const qreal cellHeight = area.height() / 3;
    const auto cell = [&](int column, int row) {
        return QRectF(area.left() + column * cellWidth, area.top() + row * cellHeight, cellWidth, cellHeight);
    };

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 40, 90, 50));
    painter.drawRoundedRect(area.translated(4, 5), 6, 6);

    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(qRound(cellHeight * 0.34));
    painter.setFont(font);
    const QPen grid(palette::metalLight, 2);

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

    // Chips on the four chevals a partie opens with: 0/2, 1/4, 6/3 and 8/5.
    const qreal chip = std::min(cellWidth, cellHeight) * 0.32;
    painter.setRenderHint(QPainter::Antialiasing);
    paintChip(painter, QPointF(cell(1, 1).left(), cell(1, 1).center().y()), chip);
    paintChip(painter, QPointF(cell(2, 2).left(), cell(2, 2).center().y()), chip);
    paintChip(painter, QPointF(cell(2, 0).left(), cell(2, 0).center().y()), chip);
    paintChip(painter, QPointF(cell(3, 1).left(), cell(3, 1).center().y()), chip);
    painter.restore();
}
