#include "fonts/fonts.h"
#include "main_window.h"
#include "window/info_box.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <string_view>

namespace {

// Without a display Qt aborts with an English hint to reinstall the program.
// A platform or X display asked for on purpose (the tests run offscreen) is
// left to Qt.
bool displayAskedFor(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform" || arg == "-display" || arg == "--display")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!displayAskedFor(argc, argv)) {
        std::fputs("Tavrel braucht eine grafische Oberfläche (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt).\n", stderr);
        return 1;
    }
    std::thread fontconfig = tavrel::fonts::readConfigurationInBackground();
    QApplication app(argc, argv);
    fontconfig.join();
    // Qt's own texts (shortcut names such as "Strg+Z", context menus, standard
    // buttons) speak the window's language.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    tavrel::PlayerSession session;
    tavrel::ui::MainWindow window(session);
    QObject::connect(&window, &tavrel::ui::MainWindow::infoRequested, &window,
                     [&window] { tavrel::about::showInfoBox(&window); });
    window.show();
    return app.exec();
}
