#pragma once

#include "tavrel/risk_curve.h"

#include <QWidget>

#include <vector>

namespace tavrel::ui {

// The risk of the running partie against the capital, both on logarithmic
// axes (capital 10 to 1.000.000, risk 0,01 % to 100 %), with the chosen
// capital marked on the curve. Where simulated, the curve's 95 % interval is a
// band around it. Nothing is drawn outside the plot: a capital below 10 is
// marked at its left edge. A screen reader gets every point as the chart's
// description.
class RiskChart : public QWidget {
    Q_OBJECT

public:
    explicit RiskChart(QWidget* parent = nullptr);

    // The curve, with the chosen capital among its points; no curve shows an empty frame.
    void setCurve(std::vector<RiskPoint> curve, std::int64_t bankroll);
    void clear();
    // A stale chart stands for an earlier state or question: greyed, and it says so.
    void setStale(bool stale);
    bool isStale() const { return stale_; }

    QSize sizeHint() const override { return {400, 240}; }
    QSize minimumSizeHint() const override { return {280, 160}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPointF place(double capital, double share) const;
    QRectF plot() const;
    // The curve's risk at the chosen capital, between its points where it has none.
    double chosenRisk() const;
    void paintAxes(QPainter& painter, const QRectF& area) const;
    void describe();

    std::vector<RiskPoint> curve_;
    std::int64_t bankroll_ = 0;
    bool stale_ = false;
};

} // namespace tavrel::ui
