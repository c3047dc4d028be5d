#include "window/info_box.h"

#include "window/frm_info.h"

namespace tavrel::about {

void showInfoBox(QWidget* mainWindow)
{
    // Hidden rather than disabled: a disabled window could still be closed
    // from its title bar, and nothing ever brings it back.
    mainWindow->setVisible(false);
    Frm_Info box;
    box.setWindowIcon(mainWindow->windowIcon());
    box.Form_Load();
}

} // namespace tavrel::about
