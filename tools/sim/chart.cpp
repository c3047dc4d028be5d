#include "sim.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace tavrel::sim {

namespace {

constexpr int Width = 800;
constexpr int Height = 500;
const QColor Ink(40, 40, 40);
const QColor Gridline(225, 225, 225);
const QColor RuinColour(200, 40, 40);
const QColor DepthColour(30, 90, 170);

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

// 10^decade units, short enough to sit under its tick.
QString unitsLabel(int decade)
{
    static const char* const labels[] = {"1", "10", "100", "1 Tsd.", "10 Tsd.", "100 Tsd.",
                                         "1 Mio.", "10 Mio.", "100 Mio.", "1 Mrd."};
    return decade < static_cast<int>(std::size(labels)) ? labels[decade] : QString("10^%1").arg(decade);
}

// One plot area: maps units (logarithmic) and a share to pixels.
struct Plot {
    QRectF area;
    double decades; // the x axis runs from 1 to 10^decades units
    bool logShare;  // the y axis: 0 to 100 %, or 10^-shareDecades to 100 %
    double shareDecades;

    double x(double units) const { return area.left() + area.width() * std::log10(std::max(units, 1.0)) / decades; }
    double y(double share) const
    {
        if (!logShare)
            return area.bottom() - area.height() * share;
        const double decadesDown = -std::log10(std::max(share, std::pow(10.0, -shareDecades)));
        return area.top() + area.height() * decadesDown / shareDecades;
    }
};

void drawFrame(QPainter& p, const Plot& plot, const QString& title, const QString& xLabel, const QString& yLabel)
{
    p.setPen(Gridline);
    for (int d = 0; d <= plot.decades; ++d)
        p.drawLine(QPointF(plot.x(std::pow(10.0, d)), plot.area.top()), QPointF(plot.x(std::pow(10.0, d)), plot.area.bottom()));

    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(Ink);
    // Every other decade when a label would run into the next one.
    const int every = plot.area.width() / plot.decades < 60 ? 2 : 1;
    for (int d = 0; d <= plot.decades; d += every) {
        const double x = plot.x(std::pow(10.0, d));
        p.drawText(QRectF(x - 40, plot.area.bottom() + 4, 80, 16), Qt::AlignHCenter | Qt::AlignTop, unitsLabel(d));
    }
    p.drawRect(plot.area);

    p.drawText(QRectF(plot.area.left(), plot.area.bottom() + 22, plot.area.width(), 18), Qt::AlignHCenter, xLabel);
    p.save();
    p.translate(plot.area.left() - 62, plot.area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.area.height() / 2, -10, plot.area.height(), 18), Qt::AlignHCenter, yLabel);
    p.restore();

    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(plot.area.left(), plot.area.top() - 26, plot.area.width(), 20), Qt::AlignHCenter, title);
    font.setBold(false);
    font.setPixelSize(12);
    p.setFont(font);
}

void drawShareTicks(QPainter& p, const Plot& plot)
{
    std::vector<std::pair<double, std::string>> ticks;
    if (plot.logShare)
        for (int d = 0; d <= plot.shareDecades; ++d)
            ticks.emplace_back(std::pow(10.0, -d), percent(std::pow(10.0, -d), std::max(0, d - 2)));
    else
        for (int step = 0; step <= 4; ++step)
            ticks.emplace_back(step / 4.0, percent(step / 4.0, 0));
    for (const auto& [share, label] : ticks) {
        const double y = plot.y(share);
        p.setPen(Gridline);
        p.drawLine(QPointF(plot.area.left() + 1, y), QPointF(plot.area.right() - 1, y));
        p.setPen(Ink);
        p.drawText(QRectF(plot.area.left() - 60, y - 8, 56, 16), Qt::AlignRight | Qt::AlignVCenter, text(label));
    }
}

// Only the bankrolls some finished session gives a share for; none before any.
void drawRuin(QPainter& p, const Plot& plot, const Report& report)
{
    QPainterPath line;
    p.setPen(QPen(RuinColour, 1.5));
    p.setBrush(RuinColour);
    for (const RuinRisk& risk : report.ruin) {
        if (!risk.observed)
            continue;
        const double x = plot.x(static_cast<double>(risk.bankroll));
        const auto& o = *risk.observed;
        p.drawLine(QPointF(x, plot.y(o.low)), QPointF(x, plot.y(o.high)));
        p.drawLine(QPointF(x - 4, plot.y(o.low)), QPointF(x + 4, plot.y(o.low)));
        p.drawLine(QPointF(x - 4, plot.y(o.high)), QPointF(x + 4, plot.y(o.high)));
        const QPointF point(x, plot.y(o.share));
        p.drawEllipse(point, 3.5, 3.5);
        if (line.elementCount() == 0)
            line.moveTo(point);
        else
            line.lineTo(point);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(RuinColour, 2));
    p.drawPath(line);
}

// The capital for the asked risk: a dashed line, its 95 % interval shaded.
void drawCapitalForRisk(QPainter& p, const Plot& plot, const Report& report)
{
    const auto& answer = report.capitalForRisk;
    if (!answer || !answer->capital)
        return;
    const double x = plot.x(static_cast<double>(*answer->capital));
    const double low = plot.x(static_cast<double>(answer->low));
    const double high = answer->high ? plot.x(static_cast<double>(*answer->high)) : plot.area.right();
    QColor band = RuinColour;
    band.setAlpha(40);
    p.fillRect(QRectF(QPointF(low, plot.area.top()), QPointF(std::min(high, plot.area.right()), plot.area.bottom())), band);
    p.setPen(QPen(Ink, 1, Qt::DashLine));
    p.drawLine(QPointF(x, plot.area.top()), QPointF(x, plot.area.bottom()));
    // Along the line from the top, on its right where the curve has fallen
    // below the risk, unless the frame leaves no room there.
    const bool right = x + 18 < plot.area.right();
    p.save();
    p.translate(x, plot.area.top() + 4);
    p.rotate(90);
    p.setPen(Ink);
    p.drawText(QRectF(0, right ? -18 : 2, plot.area.height() - 8, 16), Qt::AlignLeft | Qt::AlignVCenter,
               text("Kapital für höchstens " + riskText(answer->risk) + " Risiko: " + grouped(*answer->capital)));
    p.restore();
}

// The share of parties whose lowest balance lay below -x, a step at each depth
// that occurred.
void drawDepths(QPainter& p, const Plot& plot, const Tally& drawdowns)
{
    const auto total = static_cast<double>(drawdowns.count());
    if (total == 0)
        return;
    auto deeper = static_cast<double>(drawdowns.countAbove(0));
    QPainterPath line;
    line.moveTo(plot.x(1), plot.y(deeper / total));
    for (const auto& [drawdown, times] : drawdowns.counts()) {
        if (drawdown < 1)
            continue;
        line.lineTo(plot.x(static_cast<double>(drawdown)), plot.y(deeper / total));
        deeper -= static_cast<double>(times);
        line.lineTo(plot.x(static_cast<double>(drawdown)), plot.y(deeper / total));
    }
    p.setPen(QPen(DepthColour, 2));
    p.drawPath(line);
}

// The deepest partie of all, open ones too, which the completed parties' steps
// may not reach: a dashed line at its depth.
void drawDeepest(QPainter& p, const Plot& plot, const Report& report)
{
    if (!report.deepestBalance.max || *report.deepestBalance.max >= 0)
        return;
    const double x = plot.x(static_cast<double>(-*report.deepestBalance.max));
    p.setPen(QPen(DepthColour, 1, Qt::DashLine));
    p.drawLine(QPointF(x, plot.area.top()), QPointF(x, plot.area.bottom()));
    p.setPen(Ink);
    p.drawText(QRectF(x - 150, plot.area.top() + 4, 146, 16), Qt::AlignRight,
               text("tiefste " + grouped(*report.deepestBalance.max)));
}

// Qt's own messages are English and, without a display or XDG_RUNTIME_DIR
// (cron, ssh), only noise; whether the file was written is the tool's to say.
void ignoreQtMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

bool writeRuinChart(const Report& report, const std::string& path)
{
    // Fonts need a QGuiApplication; a chart needs no screen.
    qInstallMessageHandler(ignoreQtMessage);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "tavrel-sim";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);

    std::int64_t widest = 10;
    for (const RuinRisk& risk : report.ruin)
        widest = std::max(widest, risk.bankroll);
    widest = std::max(widest, -report.deepestBalance.max.value_or(0));
    if (report.capitalForRisk && report.capitalForRisk->capital)
        widest = std::max(widest, *report.capitalForRisk->capital);
    const double decades = std::ceil(std::log10(static_cast<double>(widest)));
    const double shareDecades =
        std::clamp(std::ceil(std::log10(static_cast<double>(std::max<std::uint64_t>(report.totals.partiesCompleted, 1)))), 1.0, 6.0);

    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(Ink);
    const std::string heading = sessionsText(report.totals.sessions) + ", " + grouped(report.totals.spins) + " Coups"
                                + (report.seed ? ", fairer Kessel, Seed " + std::to_string(*report.seed) : ", gespielte Coups")
                                + (report.play.stufeHalten ? ", mit „Stufe halten“" : "")
                                + (report.play.limit ? ", Tischlimit " + grouped(std::int64_t{*report.play.limit}) : "")
                                + (report.partial ? " (abgebrochen)" : "");
    p.drawText(QRectF(0, 8, Width, 18), Qt::AlignHCenter, text(heading));

    const Plot ruin{QRectF(90, 70, 290, 360), decades, false, 0};
    drawFrame(p, ruin, "Ruinrisiko je Session", "Kapital B in Einheiten", "Sessions mit Einsatz über dem Rest von B");
    drawShareTicks(p, ruin);
    drawCapitalForRisk(p, ruin, report);
    drawRuin(p, ruin, report);

    const Plot depth{QRectF(490, 70, 280, 360), decades, true, shareDecades};
    drawFrame(p, depth, "Tiefe der Partien", "Tiefe x in Einheiten", "Partien mit Saldo unter -x");
    drawShareTicks(p, depth);
    drawDepths(p, depth, report.totals.partieDrawdowns);
    drawDeepest(p, depth, report);

    p.setPen(Ink);
    p.drawText(QRectF(0, Height - 26, Width, 18), Qt::AlignHCenter,
               text("Ruinrisiko mit 95-%-Wilson-Intervall; Tiefe: abgeschlossene Partien, gestrichelt die tiefste auch der offenen"));
    p.end();
    return image.save(QString::fromStdString(path), "PNG");
}

} // namespace tavrel::sim
