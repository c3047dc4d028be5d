#include "risk_chart.h"

#include "risk_texts.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tavrel::ui {

namespace {

constexpr double FirstCapitalDecade = 1; // 10
constexpr double LastCapitalDecade = 6;  // 1.000.000
constexpr double FirstShareDecade = -4;  // 0,01 %
constexpr double LastShareDecade = 0;    // 100 %

// Short enough that the last two labels never run into each other in a narrow window.
QString capitalLabel(int decade)
{
    return decade == 6 ? QString("1 Mio.") : capitalText(std::llround(std::pow(10.0, decade)));
}

} // namespace

RiskChart::RiskChart(QWidget* parent) : QWidget(parent)
{
    setAccessibleName("Risiko nach Kapital");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    describe();
}

void RiskChart::setCurve(std::vector<RiskPoint> curve, std::int64_t bankroll)
{
    curve_ = std::move(curve);
    bankroll_ = bankroll;
    describe();
    update();
}

void RiskChart::clear()
{
    curve_.clear();
    describe();
    update();
}

void RiskChart::setStale(bool stale)
{
    if (stale == stale_)
        return;
    stale_ = stale;
    describe();
    update();
}

double RiskChart::chosenRisk() const
{
    const auto after = std::lower_bound(curve_.begin(), curve_.end(), bankroll_,
                                        [](const RiskPoint& p, std::int64_t b) { return p.bankroll < b; });
    if (after == curve_.begin())
        return curve_.front().ruin;
    if (after == curve_.end())
        return curve_.back().ruin;
    if (after->bankroll == bankroll_)
        return after->ruin;
    // Straight between two points on the chart's logarithmic axes.
    const RiskPoint& before = *(after - 1);
    const double t = std::log(double(bankroll_) / double(before.bankroll))
                     / std::log(double(after->bankroll) / double(before.bankroll));
    const auto logShare = [](double share) { return std::log(std::max(share, 1e-300)); };
    return std::exp(logShare(before.ruin) + t * (logShare(after->ruin) - logShare(before.ruin)));
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
    setAccessibleDescription((stale_ ? "Wird berechnet, noch für den vorigen Stand. " : QString()) + "Risiko bei "
                             + points.join("; ") + ". Gewähltes Kapital " + capitalText(bankroll_) + ": "
                             + percentText(chosenRisk()));
}

QRectF RiskChart::plot() const
{
    const QFontMetricsF metrics(font());
    const double left = metrics.horizontalAdvance("0,01 %") + 10;
    const double bottom = metrics.height() + 8;
    const double right = metrics.horizontalAdvance(capitalLabel(int(LastCapitalDecade))) / 2 + 4;
    return QRectF(left, metrics.height() / 2 + 4, width() - left - right, height() - bottom - metrics.height() / 2 - 4);
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

void RiskChart::paintAxes(QPainter& painter, const QRectF& area) const
{
    const QColor ink = palette().color(QPalette::Text);
    QColor grid = ink;
    grid.setAlpha(50);
    const QFontMetricsF metrics(font());
    for (int d = int(FirstCapitalDecade); d <= int(LastCapitalDecade); ++d) {
        const QPointF at = place(std::pow(10.0, d), 1);
        painter.setPen(grid);
        painter.drawLine(QPointF(at.x(), area.top()), QPointF(at.x(), area.bottom()));
        painter.setPen(ink);
        const QString label = capitalLabel(d);
        painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(label) / 2, height() - 4), label);
    }
    const char* const shareLabels[] = {"0,01 %", "0,1 %", "1 %", "10 %", "100 %"};
    for (int d = int(FirstShareDecade); d <= int(LastShareDecade); ++d) {
        const QPointF at = place(10, std::pow(10.0, d));
        painter.setPen(grid);
        painter.drawLine(QPointF(area.left(), at.y()), QPointF(area.right(), at.y()));
        painter.setPen(ink);
        painter.drawText(QPointF(2, at.y() + metrics.ascent() / 2 - 1), shareLabels[d - int(FirstShareDecade)]);
    }
    painter.drawRect(area);
}

void RiskChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QRectF area = plot();
    paintAxes(painter, area);
    if (curve_.empty())
        return;

    painter.setClipRect(area);
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    const QColor line = stale_ ? grey : palette().color(QPalette::Highlight);
    // The band: along the upper ends of the intervals and back along the lower.
    if (std::any_of(curve_.begin(), curve_.end(), [](const RiskPoint& p) { return !p.exact; })) {
        QPolygonF band;
        for (const RiskPoint& p : curve_)
            band << place(double(p.bankroll), p.exact ? p.ruin : p.high);
        for (auto p = curve_.rbegin(); p != curve_.rend(); ++p)
            band << place(double(p->bankroll), p->exact ? p->ruin : p->low);
        QColor fill = line;
        fill.setAlpha(60);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPolygon(band);
    }
    QPainterPath path(place(double(curve_.front().bankroll), curve_.front().ruin));
    for (const RiskPoint& p : curve_)
        path.lineTo(place(double(p.bankroll), p.ruin));
    painter.setPen(QPen(line, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);

    const QColor mark = stale_ ? grey : QColor(200, 0, 0);
    QPointF chosen = place(double(bankroll_), chosenRisk());
    chosen.setX(std::clamp(chosen.x(), area.left(), area.right()));
    painter.setPen(QPen(mark, 1, Qt::DashLine));
    painter.drawLine(QPointF(chosen.x(), area.top()), QPointF(chosen.x(), area.bottom()));
    painter.setBrush(mark);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(chosen, 4, 4);

    if (stale_) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(area.adjusted(0, 4, -6, 0), Qt::AlignTop | Qt::AlignRight, ComputingText);
    }
}

} // namespace tavrel::ui
