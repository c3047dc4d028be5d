#include "window_controls.h"
#include "window_layout.h"
#include "switch_box.h"
#include "caption_frame.h"

namespace tavrel::ui {

void addEinstellungenFrame(WindowControls& controls, QWidget* parent)
{
    auto* frame = new CaptionFrame("Einstellungen", parent);
    frame->setGeometry(twipsRect(0, 5280, 3015, 1215));

    const char* const captions[] = {"System aktiv", "Stufe halten"};
    for (int i = 0; i < 2; ++i) {
        auto* box = new SwitchBox(i, captions[i], frame);
        box->setObjectName(QString("switch_%1").arg(i));
        box->setGeometry(twipsRect(240, 360 + 360 * i, 1455, 255));
        controls.switches.append(box);
    }
}

} // namespace tavrel::ui
