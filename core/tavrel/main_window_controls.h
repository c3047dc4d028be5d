#pragma once

#include "tavrel/bounded_array.h"
#include "tavrel/controls_snapshot.h"
#include "tavrel/controls/flag_array_model.h"
#include "tavrel/controls/grid_model.h"
#include "tavrel/controls/label_model.h"
#include "tavrel/controls/list_model.h"
#include "tavrel/controls/tableau_model.h"
#include "tavrel/roulette_numbers.h"

namespace tavrel {

// The main window's controls as plain models, with their start-up values. The
// rules write into them; a window, if there is one, shows them.
struct MainWindowControls {
    ListModel List;
    FlagArrayModel<NumberCount> Check; // 1 = the number is an active plein
    TableauModel xpLabel_Tableau;
    BoundedArray<LabelModel, ChevalCount> lbl_Cheval = hiddenLabels();
    LabelModel Lbl_Pleins{"Pleins= 0"};
    LabelModel Lbl_Stufe{"Stufe= 0"};
    FlagArrayModel<2> xpCheck; // 0 "System aktiv", 1 "Stufe halten"
    GridModel Grid;

    ControlsSnapshot snapshot() const;
    // Writes back, through the models' own operations and only where it
    // differs, what `earlier` shows, so that views follow; rows added since
    // are removed.
    void restore(const ControlsSnapshot& earlier);

private:
    static BoundedArray<LabelModel, ChevalCount> hiddenLabels()
    {
        BoundedArray<LabelModel, ChevalCount> labels;
        for (int k = 0; k < ChevalCount; ++k)
            labels(k).SetVisible(false);
        return labels;
    }
};

} // namespace tavrel
