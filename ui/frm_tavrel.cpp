#include "frm_tavrel.h"

#include "fonts/fonts.h"
#include "kept_subscription.h"
#include "twips.h"
#include "window_sections.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace tavrel::ui {

Frm_Tavrel::Frm_Tavrel(PlayerSession& session, QWidget* parent, std::chrono::milliseconds digitPause)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                              | Qt::MSWindowsFixedSizeDialogHint)
    , session_(session)
{
    setObjectName("Frm_Tavrel");
    setWindowTitle("Orrin Tavrel V1.0");
    // Decoding the icon takes a fifth of the window's construction, so it
    // waits until the window has been painted. Named as PNG, so that Qt does
    // not load every image plugin to find out.
    QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(QPixmap(":/tavrel.png", "PNG"))); });
    setFont(fonts::msSansSerif(8.25));

    // The stake table takes its columns from the start-up, so that runs first.
    session_.system.Form_Load();

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(twips(13770), twips(10050));
    const QList<TableauCell*> cells = addEingabeFrame(session_, client);
    addEinsatzFrame(session_, client);
    addEinstellungenFrame(session_, client);
    addSatztabelleFrame(session_, client);
    addAktivePleinsFrame(session_, client);
    setCentralWidget(client);
    new KeyboardSpinEntry(this, cells, digitPause);

    addMenus();
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
    placeCentred();
}

void Frm_Tavrel::addMenus()
{
    QMenu* datei = menuBar()->addMenu("&Datei");
    datei->setObjectName("M_Datei");
    QAction* undo = datei->addAction("Rück&gängig", QKeySequence(Qt::CTRL | Qt::Key_Z), this,
                                     [this] { session_.undo(); });
    undo->setObjectName("M_Undo");
    undo->setEnabled(session_.history.canUndo());
    keepWhile(undo, session_.history.availabilityChanged.subscribe([undo](bool possible) { undo->setEnabled(possible); }));
    QAction* reset = datei->addAction("&Reset", this, &Frm_Tavrel::M_Reset_Click);
    reset->setObjectName("M_Reset");
    QAction* beenden = datei->addAction("&Beenden", this, &Frm_Tavrel::M_Beenden_Click);
    beenden->setObjectName("M_Beenden");
    QAction* info = menuBar()->addAction("&Info", this, &Frm_Tavrel::infoRequested);
    info->setObjectName("M_Info");
}

void Frm_Tavrel::placeCentred()
{
    if (const QScreen* target = screen())
        move(target->availableGeometry().center() - rect().center());
}

void Frm_Tavrel::M_Reset_Click()
{
    session_.reset();
}

void Frm_Tavrel::M_Beenden_Click()
{
    session_.reset();
    // Any other window of the program, the About box, goes first.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
    close();
    QCoreApplication::exit(0);
}

} // namespace tavrel::ui
