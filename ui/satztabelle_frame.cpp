#include "stake_table.h"
#include "window_controls.h"
#include "window_layout.h"
#include "caption_frame.h"

namespace tavrel::ui {

void addSatztabelleFrame(WindowControls& controls, const PlayerSession& session, QWidget* parent)
{
    auto* frame = new CaptionFrame("Satztabelle", parent);
    frame->setGeometry(twipsRect(3120, 0, 10575, 9975));

    auto* table = new StakeTable(session, frame);
    table->setObjectName("stakeTable");
    table->setGeometry(twipsRect(240, 360, 10095, 9495));
    table->setAccessibleName("Satztabelle");
    // Tab leaves the table for the tableau rather than walking its cells.
    table->setTabKeyNavigation(false);
    controls.stakeTable = table;
}

} // namespace tavrel::ui
