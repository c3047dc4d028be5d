#include "kept_subscription.h"
#include "twips.h"
#include "window_sections.h"
#include "xp_check.h"
#include "xp_frame.h"

namespace tavrel::ui {

void addEinstellungenFrame(PlayerSession& session, QWidget* parent)
{
    auto* frame = new XpFrame("Einstellungen", parent);
    frame->setObjectName("xpFrame_4");
    frame->setGeometry(twipsRect(0, 5280, 3015, 1215));

    FlagArrayModel<2>& model = session.system.Frm_Tavrel.xpCheck;
    const char* const captions[] = {"System aktiv", "Stufe halten"};
    QList<XpCheck*> switches;
    for (int i = 0; i < 2; ++i) {
        auto* box = new XpCheck(i, captions[i], frame);
        box->setObjectName(QString("xpCheck_%1").arg(i));
        box->setGeometry(twipsRect(240, 360 + 360 * i, 1455, 255));
        box->setValue(model.Value(i));
        QObject::connect(box, &XpCheck::clicked, box,
                         [&session](int index) { session.clickSwitch(static_cast<std::int16_t>(index)); });
        switches.append(box);
    }
    keepWhile(frame, model.valueChanged.subscribe([switches, &model](int i) { switches.at(i)->setValue(model.Value(i)); }));
}

} // namespace tavrel::ui
