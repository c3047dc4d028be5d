#include "risk_window.h"

#include "risk_chart.h"
#include "risk_texts.h"

#include <QFormLayout>
#include <QLabel>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tavrel::ui {

namespace {

QSpinBox* unitsInput(const char* name, int minimum, int maximum, int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setGroupSeparatorShown(true);
    box->setLocale(QLocale(QLocale::German, QLocale::Germany));
    box->setSuffix(" Einheiten");
    return box;
}

QLabel* figure(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A screen reader reads the caption with the figure, as one name.
void setFigure(QLabel* label, const QString& caption, const QString& text)
{
    label->setText(text);
    label->setAccessibleName(caption + " " + text);
}

} // namespace

RiskWindow::RiskWindow(const PlayerSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session)
{
    setObjectName("Risiko");
    setWindowTitle("Risiko");
    worker_.setMaxThreadCount(1);

    kapital_ = unitsInput("Kapital", 1, 1'000'000, 1000, this);
    kapital_->setAccessibleName("Kapital");
    tischlimit_ = unitsInput("Tischlimit", 0, 1'000'000, 0, this);
    tischlimit_->setSpecialValueText("keines");
    tischlimit_->setAccessibleName("Tischlimit je Cheval");

    auto* inputs = new QFormLayout;
    auto* kapitalLabel = new QLabel("&Kapital:", this);
    kapitalLabel->setBuddy(kapital_);
    inputs->addRow(kapitalLabel, kapital_);
    auto* limitLabel = new QLabel("&Tischlimit je Cheval:", this);
    limitLabel->setBuddy(tischlimit_);
    inputs->addRow(limitLabel, tischlimit_);

    figures_ = new QWidget(this);
    auto* shown = new QFormLayout(figures_);
    shown->setContentsMargins(0, 0, 0, 0);
    chance_ = figure("Chance", figures_);
    risk_ = figure("Risk", figures_);
    expectedResult_ = figure("ExpectedResult", figures_);
    expectedSpins_ = figure("ExpectedSpins", figures_);
    nextStake_ = figure("NextStake", figures_);
    largestStake_ = figure("LargestStake", figures_);
    shown->addRow("Partie endet im Plus:", chance_);
    shown->addRow("Risiko (Verlust über das Kapital):", risk_);
    shown->addRow("Erwartetes Ergebnis:", expectedResult_);
    shown->addRow("Erwartete Coups bis zum Ende:", expectedSpins_);
    shown->addRow("Einsatz des nächsten Coups:", nextStake_);
    shown->addRow("Größter Einsatz vor dem Verlust des Kapitals:", largestStake_);

    noPartie_ = new QLabel("Es läuft keine Partie. Sobald „System aktiv“ eingeschaltet ist, "
                           "zeigt dieses Fenster, was die laufende Partie riskiert.", this);
    noPartie_->setObjectName("NoPartie");
    noPartie_->setWordWrap(true);

    chart_ = new RiskChart(this);
    chart_->setObjectName("Chart");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(noPartie_);
    layout->addWidget(figures_);
    layout->addWidget(chart_, 1);
    setTabOrder(kapital_, tischlimit_);

    connect(kapital_, &QSpinBox::valueChanged, this, &RiskWindow::follow);
    connect(tischlimit_, &QSpinBox::valueChanged, this, &RiskWindow::follow);
    showNoPartie();
}

RiskWindow::~RiskWindow()
{
    stop_.request_stop();
    worker_.waitForDone();
}

OddsQuestion RiskWindow::question() const
{
    OddsQuestion q{.bankroll = kapital_->value()};
    if (tischlimit_->value() > 0)
        q.tableLimit = tischlimit_->value();
    return q;
}

void RiskWindow::follow()
{
    stop_.request_stop();
    stop_ = std::stop_source();
    const std::uint64_t generation = ++generation_;
    // A closed window computes nothing; it catches up when shown.
    if (!isVisible())
        return;
    const TavrelSystem system = session_.system();
    if (!system.partieRuns()) {
        showNoPartie();
        return;
    }
    const OddsQuestion q = question();
    // The figures first, then the chart, each posted back as soon as it is done.
    worker_.start([this, system, q, generation, stop = stop_.get_token()] {
        const auto odds = partieOdds(system, q, stop);
        if (!odds)
            return;
        QMetaObject::invokeMethod(this, [this, generation, odds = *odds] { showFigures(generation, odds); });
        if (auto curve = riskCurve(system, q.tableLimit, stop))
            QMetaObject::invokeMethod(this, [this, generation, ruin = odds->ruin, curve = std::move(*curve)]() mutable {
                showCurve(generation, std::move(curve), ruin);
            });
    });
}

void RiskWindow::showFigures(std::uint64_t generation, const PartieOdds& odds)
{
    if (generation != generation_)
        return;
    const RiskTexts texts = riskTexts(odds);
    const QString capital = capitalText(kapital_->value());
    setFigure(chance_, "Partie endet im Plus", texts.chance);
    setFigure(risk_, "Risiko, mehr als " + capital + " Einheiten zu verlieren", texts.risk);
    setFigure(expectedResult_, "Erwartetes Ergebnis", texts.expectedResult);
    setFigure(expectedSpins_, "Erwartete Coups bis zum Ende", texts.expectedSpins);
    setFigure(nextStake_, "Einsatz des nächsten Coups", texts.nextStake);
    setFigure(largestStake_, "Größter Einsatz vor dem Verlust von " + capital + " Einheiten", texts.largestStake);
    noPartie_->hide();
    figures_->show();
}

void RiskWindow::showCurve(std::uint64_t generation, std::vector<RiskPoint> curve, double ruin)
{
    if (generation != generation_)
        return;
    chart_->setCurve(std::move(curve), kapital_->value(), ruin);
}

void RiskWindow::showNoPartie()
{
    figures_->hide();
    noPartie_->show();
    chart_->clear();
}

void RiskWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeBesideParent();
    follow();
}

// To the right of the parent window, or to its left where the screen ends
// there; kept on the screen, over the parent if neither side has room.
void RiskWindow::placeBesideParent()
{
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main)
        return;
    const QRect beside = main->frameGeometry();
    const QSize size = frameGeometry().size();
    QPoint at(beside.right() + 8, beside.top());
    const QScreen* screen = main->screen();
    if (!screen) {
        move(at);
        return;
    }
    const QRect room = screen->availableGeometry();
    if (at.x() + size.width() > room.right() + 1)
        at.setX(beside.left() - size.width() - 8);
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    move(at);
}

} // namespace tavrel::ui
