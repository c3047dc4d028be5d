#include "risk_window.h"

#include "risk_chart.h"
#include "risk_texts.h"
#include "number_field.h"
#include "window_placement.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace tavrel::ui {

namespace {

// At most this wide with its frame, so that it fits beside the main window on
// a 1366 pixel wide screen; no narrower than its chart needs.
constexpr int WidestFrame = 440;
constexpr int NarrowestFrame = 340;

QLabel* wrapped(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
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
    // Opened from the main window, it leaves the keyboard there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    worker_.setMaxThreadCount(1);

    kapital_ = new NumberField("Kapital", 1000, {}, this);
    kapital_->setAccessibleName("Kapital");
    tischlimit_ = new NumberField("Tischlimit", std::nullopt, {.none = "keines"}, this);
    tischlimit_->setAccessibleName("Tischlimit je Cheval");
    spinsLeft_ = new NumberField("CoupsBisSchluss", std::nullopt, {.none = ""}, this);
    spinsLeft_->setAccessibleName("Coups bis Schluss");
    spinsLeft_->setPlaceholderText("bis die Partie endet");
    riskWanted_ = new NumberField("RisikoHoechstens", 1, {.percent = true, .none = std::nullopt}, this);
    riskWanted_->setAccessibleName("Risiko höchstens, in Prozent");
    refusal_ = wrapped({}, this);
    refusal_->setObjectName("Refusal");
    refusal_->setStyleSheet("color: #b00000");
    refusal_->hide();

    auto* inputs = new QGridLayout;
    const auto addInput = [&](const QString& text, NumberField* field) {
        const int row = inputs->rowCount();
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        inputs->addWidget(label, row, 0);
        inputs->addWidget(field, row, 1);
    };
    addInput("&Kapital (Einheiten):", kapital_);
    addInput("&Tischlimit je Cheval (Einheiten):", tischlimit_);
    addInput("&Coups bis Schluss:", spinsLeft_);
    addInput("Risiko &höchstens (%):", riskWanted_);
    inputs->addWidget(refusal_, inputs->rowCount(), 0, 1, 2);

    figures_ = new QWidget(this);
    auto* shown = new QGridLayout(figures_);
    shown->setContentsMargins(0, 0, 0, 0);
    shown->setColumnStretch(0, 3);
    shown->setColumnStretch(1, 2);
    const auto addFigure = [&](const char* name, const QString& text) {
        const int row = shown->rowCount();
        auto* captionLabel = wrapped(text, figures_);
        auto* figure = wrapped({}, figures_);
        figure->setObjectName(name);
        figure->setTextInteractionFlags(Qt::TextSelectableByMouse);
        shown->addWidget(captionLabel, row, 0, Qt::AlignTop);
        shown->addWidget(figure, row, 1, Qt::AlignTop);
        return Figure{captionLabel, figure};
    };
    nextStake_ = addFigure("NextStake", "Einsatz des nächsten Coups:").figure;
    balance_ = addFigure("Balance", "Saldo der Partie:").figure;
    shown->setRowMinimumHeight(shown->rowCount(), 6);
    computed_ << addFigure("Chance", {}) << addFigure("Risk", {}) << addFigure("ExpectedResult", {})
              << addFigure("ExpectedSpins", {})
              << addFigure("LargestStake", "Größter Einsatz, den die Partie noch verlangen kann:")
              << addFigure("CapitalForRisk", {});
    computing_ = new QLabel(ComputingText, figures_);
    computing_->setObjectName("Computing");
    // Its room stays, so that the figures do not move when it goes.
    QSizePolicy keepRoom = computing_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    computing_->setSizePolicy(keepRoom);
    shown->addWidget(computing_, shown->rowCount(), 1);

    noPartie_ = wrapped("Es läuft keine Partie. Sobald „System aktiv“ eingeschaltet ist, "
                        "zeigt dieses Fenster, was die laufende Partie riskiert.", this);
    noPartie_->setObjectName("NoPartie");

    chart_ = new RiskChart(this);
    chart_->setObjectName("Chart");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(noPartie_);
    layout->addWidget(figures_);
    layout->addWidget(chart_, 1);

    for (NumberField* field : {kapital_, tischlimit_, spinsLeft_, riskWanted_}) {
        connect(field, &NumberField::valueChanged, this, &RiskWindow::follow);
        connect(field, &NumberField::entered, this, &RiskWindow::returnKeyboard);
        connect(field, &NumberField::refusalChanged, this, &RiskWindow::showRefusals);
    }
    follow();
}

RiskWindow::~RiskWindow()
{
    stop_.request_stop();
    worker_.waitForDone();
}

OddsQuestion RiskWindow::question() const
{
    OddsQuestion q(std::llround(*kapital_->value()));
    if (tischlimit_->value())
        q.tableLimit = std::llround(*tischlimit_->value());
    if (spinsLeft_->value())
        q.spins = std::llround(*spinsLeft_->value());
    return q;
}

void RiskWindow::follow()
{
    stop_.request_stop();
    stop_ = std::stop_source();
    ++generation_;
    showSession();
    setFiguresStale(true);
    chart_->setStale(true);
    // A closed window computes nothing; it catches up when shown.
    if (isVisible())
        compute();
}

void RiskWindow::compute()
{
    computedGeneration_ = generation_;
    const TavrelSystem system = session_.system();
    if (!system.partieRuns())
        return;
    const OddsQuestion q = question();
    const double risk = *riskWanted_->value() / 100;
    // The figures first, then the capital, then the chart, each posted back as
    // soon as it is done.
    worker_.start([this, system, q, risk, generation = generation_, stop = stop_.get_token()] {
        const auto odds = partieOdds(system, q, stop);
        if (!odds)
            return;
        QMetaObject::invokeMethod(this, [this, generation, odds = *odds] { showFigures(generation, odds); });
        const auto capital = capitalForRisk(system, q, risk, stop);
        if (!capital)
            return;
        QMetaObject::invokeMethod(this, [this, generation, capital = *capital] { showCapital(generation, capital); });
        if (auto curve = riskCurve(system, q, stop))
            QMetaObject::invokeMethod(this, [this, generation, q, curve = std::move(*curve)]() mutable {
                showCurve(generation, std::move(curve), q.bankroll);
            });
    });
}

// What the session itself says, shown at once.
void RiskWindow::showSession()
{
    const TavrelSystem& system = session_.system();
    if (!system.partieRuns()) {
        figures_->hide();
        noPartie_->show();
        chart_->clear();
        return;
    }
    setFigure(nextStake_, "Einsatz des nächsten Coups", unitsText(system.Einsatz));
    setFigure(balance_, "Saldo der Partie", unitsText(std::llround(system.Partie)));
    const FigureCaptions captions = figureCaptions(question());
    const QString shown[] = {captions.chance, captions.risk, captions.expectedResult, captions.expectedSpins};
    for (qsizetype i = 0; i < 4; ++i)
        computed_[i].caption->setText(shown[i] + ":");
    computed_[Capital].caption->setText("Kapital für höchstens " + riskWanted_->text() + " % Risiko:");
    noPartie_->hide();
    figures_->show();
}

void RiskWindow::showFigures(std::uint64_t generation, const PartieOdds& odds)
{
    if (generation != generation_)
        return;
    const RiskTexts texts = riskTexts(odds);
    const QString shown[] = {texts.chance, texts.risk, texts.expectedResult, texts.expectedSpins, texts.largestStake};
    for (qsizetype i = 0; i < Capital; ++i)
        setFigure(computed_[i].figure, computed_[i].caption->text().chopped(1), shown[i]);
    setFiguresStale(false);
}

void RiskWindow::showCapital(std::uint64_t generation, const CapitalForRisk& answer)
{
    if (generation != generation_)
        return;
    setFigure(computed_[Capital].figure, computed_[Capital].caption->text().chopped(1), capitalForRiskText(answer));
    computed_[Capital].figure->setEnabled(true);
    computing_->hide();
}

void RiskWindow::showCurve(std::uint64_t generation, std::vector<RiskPoint> curve, std::int64_t bankroll)
{
    if (generation != generation_)
        return;
    chart_->setCurve(std::move(curve), bankroll);
    chart_->setStale(false);
}

// Greyed while they belong to an earlier state or question; the capital,
// computed last, stays so until its own answer comes.
void RiskWindow::setFiguresStale(bool stale)
{
    for (qsizetype i = 0; i < computed_.size(); ++i)
        computed_[i].figure->setEnabled(!stale && i != Capital);
    if (stale)
        computing_->show();
}

void RiskWindow::showRefusals()
{
    QStringList refusals;
    for (const NumberField* field : {kapital_, tischlimit_, spinsLeft_, riskWanted_})
        if (!field->refusal().isEmpty())
            refusals << field->refusal();
    refusal_->setText(refusals.join('\n'));
    refusal_->setVisible(!refusals.isEmpty());
}

void RiskWindow::returnKeyboard()
{
    if (QWidget* main = parentWidget())
        main->window()->activateWindow();
}

void RiskWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void RiskWindow::closeEvent(QCloseEvent* event)
{
    // A refused text is forgotten; the question it would have changed stays.
    for (NumberField* field : {kapital_, tischlimit_, spinsLeft_, riskWanted_})
        field->revert();
    QWidget::closeEvent(event);
    returnKeyboard();
}

void RiskWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeBesideParent();
    if (computedGeneration_ != generation_)
        compute();
}

void RiskWindow::placeBesideParent()
{
    QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = main ? main->screen() : nullptr;
    if (!screen)
        return;
    // Its frame will be as the main window's; the geometry set is that inside the frame.
    const QRect mainFrame = main->frameGeometry();
    const QPoint inside = main->geometry().topLeft() - mainFrame.topLeft();
    const QSize frame = mainFrame.size() - main->size();
    const SideBySide places = placeBeside(screen->availableGeometry(), mainFrame, WidestFrame, NarrowestFrame);
    if (places.main != mainFrame.topLeft())
        main->move(places.main);
    setGeometry(QRect(places.beside.topLeft() + inside, (places.beside.size() - frame).expandedTo(minimumSizeHint())));
}

} // namespace tavrel::ui
