#include "risk_chart.h"

#include "risk_texts.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tavrel::ui {

namespace {

constexpr double FirstCapitalDecade = 1; // 10
constexpr double LastCapitalDecade = 6;  // 1,000,000
constexpr double FirstShareDecade = -4;  // 0,01 %
constexpr double LastShareDecade = 0;    // 100 %

} // namespace

RiskChart::RiskChart(QWidget* parent) : QWidget(parent)
{
    setAccessibleName("Risiko nach Kapital");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    describe();
}

void RiskChart::setCurve(std::vector<RiskPoint> curve, std::int64_t bankroll, double ruin)
{
    curve_ = std::move(curve);
    bankroll_ = bankroll;
    ruin_ = ruin;
    describe();
    update();
}

void RiskChart::clear()
{
    curve_.clear();
    describe();
    update();
}

void RiskChart::describe()
{
    if (curve_.empty()) {
        setAccessibleDescription("Keine Kurve: es läuft keine Partie.");
        return;
    }
    QStringList points;
    for (const RiskPoint& p : curve_)
        points << capitalText(p.bankroll) + " Einheiten: " + percentText(p.ruin);
    setAccessibleDescription("Risiko bei " + points.join("; ") + ". Gewähltes Kapital " + capitalText(bankroll_) + ": "
                             + percentText(ruin_));
}

QRectF RiskChart::plot() const
{
    const QFontMetricsF metrics(font());
    const double left = metrics.horizontalAdvance("0,01 %") + 10;
    const double bottom = metrics.height() + 8;
    return QRectF(left, metrics.height() / 2 + 4, width() - left - metrics.horizontalAdvance("1.000.000") / 2 - 4,
                  height() - bottom - metrics.height() / 2 - 4);
}

// Shares below the axis sit on it, so a tiny risk still shows where it is.
QPointF RiskChart::place(double capital, double share) const
{
    const QRectF area = plot();
    const double x = (std::log10(capital) - FirstCapitalDecade) / (LastCapitalDecade - FirstCapitalDecade);
    const double decade = std::clamp(std::log10(std::max(share, 1e-300)), FirstShareDecade, LastShareDecade);
    const double y = (decade - FirstShareDecade) / (LastShareDecade - FirstShareDecade);
    return {area.left() + x * area.width(), area.bottom() - y * area.height()};
}

void RiskChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QRectF area = plot();
    const QColor ink = palette().color(QPalette::Text);
    QColor grid = ink;
    grid.setAlpha(50);

    for (int d = int(FirstCapitalDecade); d <= int(LastCapitalDecade); ++d) {
        const double capital = std::pow(10.0, d);
        const QPointF at = place(capital, 1);
        painter.setPen(grid);
        painter.drawLine(QPointF(at.x(), area.top()), QPointF(at.x(), area.bottom()));
        painter.setPen(ink);
        const QString label = capitalText(std::llround(capital));
        const double w = QFontMetricsF(font()).horizontalAdvance(label);
        painter.drawText(QPointF(at.x() - w / 2, height() - 4), label);
    }
    const char* const shareLabels[] = {"0,01 %", "0,1 %", "1 %", "10 %", "100 %"};
    for (int d = int(FirstShareDecade); d <= int(LastShareDecade); ++d) {
        const QPointF at = place(10, std::pow(10.0, d));
        painter.setPen(grid);
        painter.drawLine(QPointF(area.left(), at.y()), QPointF(area.right(), at.y()));
        painter.setPen(ink);
        painter.drawText(QPointF(2, at.y() + QFontMetricsF(font()).ascent() / 2 - 1),
                         shareLabels[d - int(FirstShareDecade)]);
    }
    painter.setPen(ink);
    painter.drawRect(area);
    if (curve_.empty())
        return;

    const QColor line = palette().color(QPalette::Highlight);
    painter.setPen(QPen(line, 1.5));
    for (const RiskPoint& p : curve_)
        if (!p.exact)
            painter.drawLine(place(double(p.bankroll), p.low), place(double(p.bankroll), p.high));
    QPainterPath path(place(double(curve_.front().bankroll), curve_.front().ruin));
    for (const RiskPoint& p : curve_)
        path.lineTo(place(double(p.bankroll), p.ruin));
    painter.setPen(QPen(line, 2));
    painter.drawPath(path);

    const QColor mark(200, 0, 0);
    const QPointF chosen = place(double(bankroll_), ruin_);
    painter.setPen(QPen(mark, 1, Qt::DashLine));
    painter.drawLine(QPointF(chosen.x(), area.top()), QPointF(chosen.x(), area.bottom()));
    painter.setBrush(mark);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(chosen, 4, 4);
}

} // namespace tavrel::ui
