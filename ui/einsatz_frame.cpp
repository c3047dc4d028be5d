#include "bound_label.h"
#include "fonts/fonts.h"
#include "kept_subscription.h"
#include "twips.h"
#include "window_sections.h"
#include "xp_frame.h"

#include <QListWidget>

namespace tavrel::ui {

namespace {

// Twenty lines fill the list exactly: the most pleins the system plays.
const int ListLineHeight = 13;

void showPleins(QListWidget* list, const ListModel& model)
{
    list->clear();
    for (const std::string& item : model.items()) {
        auto* line = new QListWidgetItem(QString::fromStdString(item), list);
        line->setSizeHint(QSize(0, ListLineHeight));
    }
}

QListWidget* makePleinList(ListModel& model, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName("List");
    list->setGeometry(twipsRect(120, 480, 375, 3960));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    // Tab passes over the list, which only mirrors the pleins; a click may
    // still give it the focus.
    list->setFocusPolicy(Qt::ClickFocus);
    showPleins(list, model);
    keepWhile(list, model.changed.subscribe([list, &model] { showPleins(list, model); }));
    return list;
}

} // namespace

void addEinsatzFrame(PlayerSession& session, QWidget* parent)
{
    MainWindowControls& controls = session.system.Frm_Tavrel;

    auto* frame = new XpFrame("Einsatz", parent);
    frame->setObjectName("xpFrame_2");
    frame->setGeometry(twipsRect(1560, 0, 1455, 5175));

    auto* heading = new QLabel("Pleins", frame);
    heading->setObjectName("Label_5");
    heading->setFont(fonts::tahoma(8.25, true));
    heading->setGeometry(twipsRect(120, 240, 405, 195));
    heading->adjustSize();

    makePleinList(controls.List, frame);

    for (int k = 0; k < ChevalCount; ++k) {
        auto* label = new BoundLabel(controls.lbl_Cheval(k), twipsRect(600, 480 + 240 * k, 0, 195), frame);
        label->setObjectName(QString("lbl_Cheval_%1").arg(k));
    }
    auto* pleins = new BoundLabel(controls.Lbl_Pleins, twipsRect(120, 4560, 645, 195), frame);
    pleins->setObjectName("Lbl_Pleins");
    auto* stufe = new BoundLabel(controls.Lbl_Stufe, twipsRect(120, 4800, 600, 195), frame);
    stufe->setObjectName("Lbl_Stufe");
}

} // namespace tavrel::ui
