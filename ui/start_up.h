#pragma once

#include <QTranslator>

#include <thread>

namespace tavrel::ui {

// What the program does around its QApplication before the main window is
// built; the start-up benchmark starts its window the same way. Made before
// the QApplication and readied after it:
//
//     StartUp startUp;
//     QApplication app(argc, argv);
//     startUp.ready();
class StartUp {
public:
    // Starts reading the font configuration beside Qt's own start.
    StartUp();
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // Waits for the font configuration, sets the window style and installs
    // Qt's own texts in German.
    void ready();

private:
    std::thread fontconfig_;
    QTranslator qtTexts_;
};

} // namespace tavrel::ui
