#include "main_window.h"

#include "evening_files.h"
#include "fonts/fonts.h"
#include "risk_window.h"
#include "stake_table.h"
#include "tableau_cell.h"
#include "window_layout.h"
#include "switch_box.h"

#include <QCoreApplication>
#include <QHideEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace tavrel::ui {

MainWindow::MainWindow(PlayerSession& session, QWidget* parent, std::chrono::milliseconds digitPause)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                              | Qt::MSWindowsFixedSizeDialogHint)
    , session_(session)
{
    setWindowTitle("Orrin Tavrel V1.0");
    setFont(fonts::msSansSerif(8.25));

    auto* client = new QWidget(this);
    client->setFixedSize(twipsToPixels(13770), twipsToPixels(10050));
    addEingabeFrame(controls_, client);
    addEinsatzFrame(controls_, client);
    addEinstellungenFrame(controls_, client);
    addSatztabelleFrame(controls_, session_, client);
    setCentralWidget(client);
    new KeyboardSpinEntry(this, controls_.cells, digitPause);

    for (TableauCell* cell : controls_.cells)
        connect(cell, &TableauCell::clicked, this, &MainWindow::enterSpin);
    for (SwitchBox* box : controls_.switches)
        connect(box, &SwitchBox::clicked, this, &MainWindow::toggleSwitch);

    files_ = new EveningFiles(session_, *controls_.stakeTable->model(), this);
    connect(files_, &EveningFiles::sessionReplaced, this, &MainWindow::showOpenedSession);

    addMenus();
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
    placeCentred();
    showSession();
}

void MainWindow::addMenus()
{
    QMenu* datei = menuBar()->addMenu("&Datei");
    datei->setObjectName("dateiMenu");
    datei->addAction("Ö&ffnen…", QKeySequence(Qt::CTRL | Qt::Key_O), files_, &EveningFiles::open)->setObjectName("openAction");
    datei->addAction("&Speichern unter…", QKeySequence(Qt::CTRL | Qt::Key_S), files_, &EveningFiles::saveAs)->setObjectName("saveAction");
    datei->addAction("&Exportieren…", QKeySequence(Qt::CTRL | Qt::Key_E), files_, &EveningFiles::exportTable)->setObjectName("exportAction");
    datei->addSeparator();
    undoAction_ = datei->addAction("Rück&gängig", QKeySequence(Qt::CTRL | Qt::Key_Z), this, &MainWindow::undo);
    undoAction_->setObjectName("undoAction");
    datei->addAction("&Reset", this, &MainWindow::reset)->setObjectName("resetAction");
    datei->addAction("Risi&ko…", this, &MainWindow::showRisk)->setObjectName("riskAction");
    datei->addAction("&Beenden", this, &MainWindow::quit);
    menuBar()->addAction("&Info", this, &MainWindow::infoRequested);
}

void MainWindow::placeCentred()
{
    if (const QScreen* target = screen())
        move(target->availableGeometry().center() - rect().center());
}

void MainWindow::enterSpin(int number)
{
    session_.clickCell(number);
    showSession();
}

void MainWindow::toggleSwitch(int index)
{
    session_.clickSwitch(index);
    showSession();
}

void MainWindow::undo()
{
    session_.undo();
    showSession();
}

void MainWindow::reset()
{
    session_.reset();
    showSession();
}

void MainWindow::quit()
{
    reset();
    close();
    QCoreApplication::exit(0);
}

bool MainWindow::event(QEvent* event)
{
    // Decoding the icon takes a fifth of the window's construction, so it
    // waits until the window has been painted: a timer of its own would run
    // first, before the display asks for the paint. Named as PNG, so that Qt
    // does not load every image plugin to find out.
    if (event->type() == QEvent::Paint && !iconSet_) {
        iconSet_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(QPixmap(":/tavrel.png", "PNG"))); });
    }
    return QMainWindow::event(event);
}

void MainWindow::hideEvent(QHideEvent* event)
{
    // Put away, as for the About box or on Beenden, the window takes the Risiko
    // window with it: its figures would stand for a game no longer on show.
    // A minimised window keeps it.
    if (risk_ && !event->spontaneous())
        risk_->hide();
    QMainWindow::hideEvent(event);
}

void MainWindow::showRisk()
{
    if (!risk_)
        risk_ = new RiskWindow(session_, this);
    risk_->show();
    risk_->raise();
    // The next spin typed goes to the table, not to the Risiko window.
    activateWindow();
}

void MainWindow::showSession()
{
    controls_.stakeTable->follow();
    controls_.show(controlsShowing(session_.system(), session_.rowCount()));
    undoAction_->setEnabled(session_.canUndo());
    if (risk_)
        risk_->follow();
}

void MainWindow::showOpenedSession()
{
    controls_.stakeTable->showAnew();
    showSession();
}

} // namespace tavrel::ui
