#include "fonts/fonts.h"
#include "main_window.h"
#include "window/info_box.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    std::thread fontconfig = tavrel::fonts::readConfigurationInBackground();
    QApplication app(argc, argv);
    fontconfig.join();
    tavrel::PlayerSession session;
    tavrel::ui::MainWindow window(session);
    QObject::connect(&window, &tavrel::ui::MainWindow::infoRequested, &window,
                     [&window] { tavrel::about::showInfoBox(&window); });
    window.show();
    return app.exec();
}
