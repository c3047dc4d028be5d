#pragma once

class QWidget;

namespace tavrel::about {

// The Info command: takes the main window out of use, shows the About box with
// the main window's icon and animates it. It returns only once the box is
// closed, and by then the application has been asked to exit.
void showInfoBox(QWidget* mainWindow);

} // namespace tavrel::about
