#include "table_fixture.h"

namespace tavrel::test {

using Row = std::vector<std::string>;
using Strings = std::vector<std::string>;

class Partie : public TableFixture {
protected:
    // The controls less rows, switches and hidden labels' last texts.
    ControlsSnapshot shownPartie() const
    {
        ControlsSnapshot shown = this->shown();
        for (auto& label : shown.chevals)
            if (!label.visible)
                label.caption.clear();
        shown.rowCount = shown.currentRow = 0;
        shown.switches = {};
        return shown;
    }

    void expectNoPartie() const
    {
        EXPECT_EQ(shownPartie(), controlsShowing(TavrelSystem{}, 0));
        for (int n = 0; n < NumberCount; ++n)
            EXPECT_EQ(sys.Einsatz_Plein(n), 0.0f) << n;
        EXPECT_EQ(sys.Einsatz, 0);
    }
};

TEST_F(Partie, AMissThenAHitWinsAndTheNextPartieStartsAtOnce)
{
    aktiv();
    click(5);
    EXPECT_EQ(row(1), (Row{" 1", "5", " 0, 2", "-", " 1", " -1", " -1", " -1"}));
    EXPECT_EQ(list(), (Strings{"0", "2", "1", "4"}));
    EXPECT_EQ(sys.Einsatz, 2);
    EXPECT_EQ(caption(1), "1,4= 1");

    click(4);
    EXPECT_EQ(row(2), (Row{" 2", "4", " 0, 2, 1, 4", "Treffer", " 2", " 16", " 15", " 15"}));
    EXPECT_EQ(list(), (Strings{"0", "2"}));
    EXPECT_EQ(sys.Einsatz, 1);
    EXPECT_EQ(sys.Partie, 0.0f);
    EXPECT_EQ(sys.Gesamt, 15);
}

TEST_F(Partie, StufeHaltenHoldsAHitButNeverAMiss)
{
    aktiv();
    halten();
    clickAll({Miss, Miss, Miss, Miss, Miss}); // six chevals, Partie -15
    const auto stakes = sys.Einsatz_Cheval;
    click(1); // 18 on cheval 1,4 for a stake of 6: Partie -3, the level is held
    EXPECT_EQ(lastRow(), (Row{" 6", "1", " 0, 2, 1, 4, 6, 3, 8, 5, 7, 10, 20, 21", "Treffer", " 6", " 12", " -3", " -3"}));
    EXPECT_EQ(sys.Stufe, 6);
    EXPECT_EQ(sys.Einsatz_Cheval, stakes);

    click(Miss);
    EXPECT_EQ(sys.Stufe, 7);
    halten();
    click(Miss); // Partie -16
    click(1);    // 18 - 8: the hit advances again
    EXPECT_EQ(sys.Partie, -6.0f);
    EXPECT_EQ(sys.Stufe, 9);
}

TEST_F(Partie, SwitchingOffClearsThePleinsAndASecondStartGoesOnFromTheBalance)
{
    aktiv();
    const ControlsSnapshot firstStart = shownPartie();
    clickAll({Miss, Miss}); // Partie -3
    aktiv();
    expectNoPartie();
    EXPECT_EQ(sys.Partie, -3.0f);
    EXPECT_EQ(rows.size(), 2u);

    aktiv();
    EXPECT_EQ(shownPartie(), firstStart);
    EXPECT_EQ(sys.Partie, -3.0f);
    click(2); // 17 on one unit: Partie 14 > 0 wins
    EXPECT_EQ(lastRow()[6], " 14");
    EXPECT_EQ(sys.Partie, 0.0f);
}

TEST_F(Partie, ResetClearsEverythingButTheSpinCountAndTheTotal)
{
    const ControlsSnapshot fresh = shown();
    sys.reset();
    EXPECT_EQ(shown(), fresh) << "a reset on a fresh table changes nothing";

    aktiv();
    halten();
    for (int i = 0; i < 12; ++i)
        click(Miss);
    sys.reset();
    rows.clear();
    expectNoPartie();
    EXPECT_EQ(shown().switches, (std::array<std::int32_t, 2>{0, 0}));
    EXPECT_EQ(sys.Saldo, 0.0f);
    EXPECT_EQ(sys.Partie, 0.0f);
    EXPECT_EQ(caption(5), "20,21= 1") << "hidden labels keep their text";

    aktiv();
    click(Miss);
    EXPECT_EQ(row(1), (Row{" 13", "9", " 0, 2", "-", " 1", " -1", " -1", " -79"}));
}

} // namespace tavrel::test
