#include "window_driving.h"

#include "tableau_cell.h"
#include "switch_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

bool PaintCounter::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        ++paints;
    return false;
}

void waitUntilExposed(QWidget& window)
{
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
}

void click(QWidget* cell)
{
    const QPointF at(cell->width() / 2.0, cell->height() / 2.0);
    const QPointF global = cell->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(cell, &release);
}

tavrel::ui::TableauCell* cellOf(const tavrel::ui::MainWindow& window, int number)
{
    return window.findChild<tavrel::ui::TableauCell*>(QString("tableauCell_%1").arg(number));
}

void fillTo(const tavrel::ui::MainWindow& window, int rows)
{
    for (int r = window.session().rowCount(); r < rows; ++r)
        cellOf(window, r % 37)->click();
}

void switchSystemAktiv(const tavrel::ui::MainWindow& window)
{
    window.findChild<tavrel::ui::SwitchBox*>("switch_0")->click();
}
