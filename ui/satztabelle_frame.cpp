#include "stake_table_view.h"
#include "twips.h"
#include "window_sections.h"
#include "xp_frame.h"

namespace tavrel::ui {

void addSatztabelleFrame(PlayerSession& session, QWidget* parent)
{
    auto* frame = new XpFrame("Satztabelle", parent);
    frame->setObjectName("xpFrame_3");
    frame->setGeometry(twipsRect(3120, 0, 10575, 9975));

    auto* table = new StakeTableView(session.system.Frm_Tavrel.Grid, frame);
    table->setObjectName("Grid");
    table->setGeometry(twipsRect(240, 360, 10095, 9495));
    table->setAccessibleName("Satztabelle");
    // Tab leaves the table for the tableau rather than walking its cells.
    table->setTabKeyNavigation(false);
}

} // namespace tavrel::ui
