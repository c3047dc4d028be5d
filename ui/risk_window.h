#pragma once

#include "tavrel/partie_odds.h"
#include "tavrel/player_session.h"
#include "tavrel/risk_curve.h"

#include <QThreadPool>
#include <QWidget>

#include <cstdint>
#include <stop_token>
#include <vector>

class QLabel;
class QSpinBox;
class QWidget;

namespace tavrel::ui {

class RiskChart;

// The window "Risiko": what the running partie risks against the capital the
// player names, after every event. Non-modal, beside its parent. The figures
// and the chart are computed on a worker thread, so no click ever waits for
// them; each follow() cancels the computation before it.
class RiskWindow : public QWidget {
    Q_OBJECT

public:
    // The session must outlive the window.
    RiskWindow(const PlayerSession& session, QWidget* parent);
    ~RiskWindow() override;

public slots:
    // To be called after every spin, undo, switch and Reset.
    void follow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    OddsQuestion question() const;
    void showFigures(std::uint64_t generation, const PartieOdds& odds);
    // The curve with the risk at the chosen capital, marked on it.
    void showCurve(std::uint64_t generation, std::vector<RiskPoint> curve, double ruin);
    void showNoPartie();
    void placeBesideParent();

    const PlayerSession& session_;
    QSpinBox* kapital_;
    QSpinBox* tischlimit_;
    QWidget* figures_;
    QLabel* noPartie_;
    QLabel* chance_;
    QLabel* risk_;
    QLabel* expectedResult_;
    QLabel* expectedSpins_;
    QLabel* nextStake_;
    QLabel* largestStake_;
    RiskChart* chart_;

    std::uint64_t generation_ = 0;
    std::stop_source stop_;
    // One worker: a cancelled computation stops at its next poll, so the next
    // one starts soon after.
    QThreadPool worker_;
};

} // namespace tavrel::ui
