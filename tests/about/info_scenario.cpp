#include "frm_tavrel.h"
#include "window/frm_info.h"
#include "window/info_box.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <cstdio>

// The program as it runs for a player, with the About box on "&Info": opens
// the box from the menu, prints what it finds on the way, and ends the
// program by closing the box ("close") or through "&Beenden" ("beenden").
// Prints the status that the application's event loop returned with.

namespace {

tavrel::about::Frm_Info* infoBox()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<tavrel::about::Frm_Info*>(window))
            return box;
    return nullptr;
}

void report(const char* what, long long value)
{
    std::printf("%s %lld\n", what, value);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool throughBeenden = app.arguments().value(1) == "beenden";

    tavrel::PlayerSession session;
    tavrel::ui::Frm_Tavrel window(session);
    QObject::connect(&window, &tavrel::ui::Frm_Tavrel::infoRequested, &window,
                     [&window] { tavrel::about::showInfoBox(&window); });
    window.show();

    auto* info = window.findChild<QAction*>("M_Info");
    QTimer::singleShot(50, &window, [info] { info->trigger(); });

    // Inside the box's loop: timers fire in its once-per-frame event processing.
    long long firstPosX = 0;
    QTimer::singleShot(300, &window, [&] {
        const auto* box = infoBox();
        report("box open", box && box->isVisible());
        report("main window visible", window.isVisible());
        report("box icon is the main window's",
               box && !box->windowIcon().isNull()
                   && box->windowIcon().pixmap(74, 64).toImage() == window.windowIcon().pixmap(74, 64).toImage());
        report("particles", box ? box->animation().Liste.Count : -1);
        firstPosX = box ? box->animation().Liste.Items.at(1).PosX : 0;
    });
    QTimer::singleShot(400, &window, [&] {
        auto* box = infoBox();
        report("oldest particle moved", box && box->animation().Liste.Items.at(1).PosX != firstPosX);
        if (throughBeenden)
            window.findChild<QAction*>("M_Beenden")->trigger();
        else if (box)
            box->close();
    });

    const int status = app.exec();
    report("event loop returned", status);
    report("box open", infoBox() && infoBox()->isVisible());
    return status;
}
