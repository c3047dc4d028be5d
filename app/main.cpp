#include "main_window.h"
#include "start_up.h"
#include "window/info_box.h"

#include <QApplication>

#include <xcb/xcb.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool xDisplayAnswers(const std::string& name)
{
    xcb_connection_t* connection = xcb_connect(name.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// Why no window can be shown, in German; nothing when Qt may go ahead. Without
// a display, or with an X display that does not answer, Qt aborts with an
// English hint to reinstall the program; so the X display is tried first, a
// round trip of well under a millisecond. A platform asked for by name (the
// tests run offscreen) and a Wayland compositor are left to Qt.
std::optional<std::string> displayProblem(int argc, char* argv[])
{
    std::optional<std::string> xDisplay;
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        xDisplay = qgetenv("DISPLAY").toStdString();
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform")
            return std::nullopt;
        if ((arg == "-display" || arg == "--display") && i + 1 < argc)
            xDisplay = argv[i + 1];
    }
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return std::nullopt;
    if (!xDisplay)
        return "DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt";
    if (!xDisplayAnswers(*xDisplay))
        return "die Anzeige „" + *xDisplay + "“ antwortet nicht";
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const auto problem = displayProblem(argc, argv)) {
        std::fprintf(stderr, "Tavrel braucht eine grafische Oberfläche (%s).\n", problem->c_str());
        return 1;
    }
    tavrel::ui::StartUp startUp;
    QApplication app(argc, argv);
    startUp.ready();
    tavrel::PlayerSession session;
    tavrel::ui::MainWindow window(session);
    QObject::connect(&window, &tavrel::ui::MainWindow::infoRequested, &window,
                     [&window] { tavrel::about::showInfoBox(&window); });
    window.show();
    return app.exec();
}
