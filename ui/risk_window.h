#pragma once

#include "tavrel/capital_for_risk.h"
#include "tavrel/partie_odds.h"
#include "tavrel/player_session.h"
#include "tavrel/risk_curve.h"

#include <QThreadPool>
#include <QWidget>

#include <cstdint>
#include <stop_token>
#include <vector>

class QLabel;

namespace tavrel::ui {

class RiskChart;
class NumberField;

// The window "Risiko": what the running partie risks against the capital the
// player names, after every event. Non-modal, beside its parent, and it never
// takes the keyboard from it unless the player clicks into it. The next stake
// and the partie's balance come from the session at once; the other figures
// and the chart are computed on a worker thread, so no click ever waits for
// them, and until they are current they are greyed and say so. Each follow()
// cancels the computation before it.
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
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    OddsQuestion question() const;
    void compute();
    void showSession();
    void showFigures(std::uint64_t generation, const PartieOdds& odds);
    void showCapital(std::uint64_t generation, const CapitalForRisk& answer);
    void showCurve(std::uint64_t generation, std::vector<RiskPoint> curve, std::int64_t bankroll);
    void setFiguresStale(bool stale);
    void showRefusals();
    void returnKeyboard();
    void placeBesideParent();

    const PlayerSession& session_;
    NumberField* kapital_;
    NumberField* tischlimit_;
    NumberField* spinsLeft_; // "Coups bis Schluss": none until the running partie ends
    NumberField* riskWanted_; // the R of "Kapital für höchstens R % Risiko"
    QLabel* refusal_;
    QWidget* figures_;
    QLabel* noPartie_;
    QLabel* nextStake_;
    QLabel* balance_;
    struct Figure {
        QLabel* caption;
        QLabel* figure;
    };
    // Chance, risk, expected result and spins, largest stake, and the capital
    // for the risk wanted.
    QList<Figure> computed_;
    static constexpr qsizetype Capital = 5;
    QLabel* computing_;
    RiskChart* chart_;

    std::uint64_t generation_ = 0;
    std::uint64_t computedGeneration_ = 0; // the latest generation a computation was started for
    std::stop_source stop_;
    // One worker: a cancelled computation stops at its next poll, so the next
    // one starts soon after.
    QThreadPool worker_;
};

} // namespace tavrel::ui
