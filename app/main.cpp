#include "fonts/fonts.h"
#include "frm_tavrel.h"
#include "window/info_box.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    std::thread fontconfig = tavrel::fonts::readConfigurationInBackground();
    QApplication app(argc, argv);
    fontconfig.join();
    tavrel::PlayerSession session;
    tavrel::ui::Frm_Tavrel window(session);
    QObject::connect(&window, &tavrel::ui::Frm_Tavrel::infoRequested, &window,
                     [&window] { tavrel::about::showInfoBox(&window); });
    window.show();
    return app.exec();
}
