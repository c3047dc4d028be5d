#include "window_driving.h"

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

void fillTo(tavrel::PlayerSession& session, int rows)
{
    for (int r = session.system.Frm_Tavrel.Grid.RowCount(); r < rows; ++r)
        session.clickCell(static_cast<std::int16_t>(r % 37));
}
