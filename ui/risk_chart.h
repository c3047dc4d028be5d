#pragma once

#include "tavrel/risk_curve.h"

#include <QWidget>

#include <vector>

namespace tavrel::ui {

// The risk of the running partie against the capital, both on logarithmic
// axes (capital 10 to 1,000,000, risk 0,01 % to 100 %), with the chosen
// capital marked. Simulated points carry their 95 % interval as a bar. A screen
// reader gets every point as the chart's description.
class RiskChart : public QWidget {
    Q_OBJECT

public:
    explicit RiskChart(QWidget* parent = nullptr);

    // The curve and the chosen capital with its risk; no curve shows an empty frame.
    void setCurve(std::vector<RiskPoint> curve, std::int64_t bankroll, double ruin);
    void clear();

    QSize sizeHint() const override { return {420, 240}; }
    QSize minimumSizeHint() const override { return {280, 160}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPointF place(double capital, double share) const;
    QRectF plot() const;
    void describe();

    std::vector<RiskPoint> curve_;
    std::int64_t bankroll_ = 0;
    double ruin_ = 0;
};

} // namespace tavrel::ui
