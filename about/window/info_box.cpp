#include "window/info_box.h"

#include "window/about_box.h"

namespace tavrel::about {

void showInfoBox(QWidget* mainWindow)
{
    // Hidden rather than disabled: a disabled window could still be closed
    // from its title bar, and nothing ever brings it back.
    mainWindow->setVisible(false);
    AboutBox box;
    box.setWindowIcon(mainWindow->windowIcon());
    box.runUntilClosed();
}

} // namespace tavrel::about
