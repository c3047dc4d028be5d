#include "observed_table.h"

namespace tavrel::sim {

namespace {

// "Gesamt", the last cell an evaluation writes into its row.
constexpr int GesamtColumn = 8;

} // namespace

ObservedTable::ObservedTable(bool stufeHalten)
{
    system_.Form_Load();
    system_.Frm_Tavrel.Grid.SetKeepsTexts(false);
    // The row's cells are written from these very variables in one step, after
    // the balances are computed and before the advance or the reset touch
    // them: when the last cell arrives, they hold what the row shows.
    rowWatch_ = system_.Frm_Tavrel.Grid.cellChanged.subscribe([this](int, int column) {
        if (column != GesamtColumn)
            return;
        current_.evaluated = true;
        current_.einsatz = system_.Einsatz;
        current_.saldo = static_cast<std::int64_t>(system_.Saldo);
        current_.partie = static_cast<std::int64_t>(system_.Partie);
        current_.gesamt = system_.Gesamt;
    });
    system_.clickSwitch(0);
    if (stufeHalten)
        system_.clickSwitch(1);
}

PlayedSpin ObservedTable::click(std::int16_t number)
{
    current_ = PlayedSpin{};
    const bool partieRuns = system_.Frm_Tavrel.Check.Value(0) == 1;
    const std::int32_t coupsBefore = system_.Anzahl_Coups;
    system_.xpLabel_Tableau_Click(number);
    current_.spinCounterStuck = system_.Anzahl_Coups == coupsBefore;
    current_.evaluationStopped = partieRuns && !current_.evaluated;
    // Only the reset sets the balance back after the row was written.
    current_.partieEnded = current_.evaluated && current_.partie > 0 && system_.Partie == 0;
    return current_;
}

} // namespace tavrel::sim
