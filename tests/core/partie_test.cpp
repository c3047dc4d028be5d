#include "table_fixture.h"
#include "tavrel/number_text.h"

#include <cstdint>
#include <limits>

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
    EXPECT_EQ(shownPartie(), controlsShowing(TavrelSystem{}, 0));
    EXPECT_EQ(sys.Partie, -3.0f);

    aktiv();
    EXPECT_EQ(shownPartie(), firstStart);
    EXPECT_EQ(sys.Partie, -3.0f);
    click(2); // 17 on one unit: Partie 14 > 0 wins
    EXPECT_EQ(lastRow()[6], " 14");
    EXPECT_EQ(sys.Partie, 0.0f);
}

TEST_F(Partie, ResetClearsEverythingButTheSpinCountAndTheTotal)
{
    aktiv();
    halten();
    for (int i = 0; i < 12; ++i)
        click(Miss);
    sys.reset();
    rows.clear();
    EXPECT_EQ(shownPartie(), controlsShowing(TavrelSystem{}, 0));
    EXPECT_EQ(shown().switches, (std::array<std::int32_t, 2>{0, 0}));
    EXPECT_EQ(sys.Saldo, 0.0f);
    EXPECT_EQ(sys.Partie, 0.0f);
    EXPECT_EQ(std::tuple(caption(0), caption(5)), std::tuple("0,2= 2", "20,21= 1")) << "hidden labels keep their text";

    aktiv();
    click(Miss);
    EXPECT_EQ(row(1), (Row{" 13", "9", " 0, 2", "-", " 1", " -1", " -1", " -79"}));
}

TEST_F(Partie, BuildsUpInTableOrderThenRaisesInCyclicOrderAndPaysEighteenPerUnit)
{
    aktiv();
    for (int i = 0; i < 9; ++i)
        click(Miss);
    EXPECT_EQ(list(), (Strings{"0", "2", "1", "4", "6", "3", "8", "5", "7", "10", "20", "21", "19", "22", "24", "27",
                               "23", "26", "25", "28"}));
    EXPECT_EQ(std::tuple(sys.Stufe, sys.Einsatz, caption(4), caption(9)), std::tuple(10, 10, "7,10= 1", "25,28= 1"));

    click(Miss);
    EXPECT_EQ(std::tuple(sys.Stufe, sys.Einsatz_Plein(0), sys.Einsatz_Plein(2), caption(0), sys.Einsatz),
              std::tuple(1, 1.0f, 1.0f, "0,2= 2", 11));
    EXPECT_EQ(sys.Anzahl_Pleins, 20) << "raising adds no pleins";
    for (int i = 0; i < 10; ++i)
        click(Miss); // the other nine chevals, then cheval 0,2 a second time
    EXPECT_EQ(std::tuple(sys.Stufe, sys.Einsatz_Plein(0), caption(2), sys.Einsatz), std::tuple(1, 1.5f, "6,3= 2", 21));
    for (int k = 1; k < ChevalCount; ++k)
        EXPECT_EQ(sys.Einsatz_Cheval[k], 2) << k;

    const float partie = sys.Partie;
    click(3); // cheval 6,3 at two units
    EXPECT_EQ(lastRow()[3], "Treffer");
    EXPECT_EQ(std::tuple(sys.Saldo, sys.Partie), std::tuple(36.0f - 21, partie + 15));
}

// Far below -32768 and past a million, every spin is evaluated in plain digits.
TEST_F(Partie, BalancesBeyondSixteenBitsAreRecordedAndTheSystemAdvances)
{
    aktiv();
    std::int64_t total = 0;
    for (int spin = 1; spin <= 2000; ++spin) {
        const int stake = sys.Einsatz;
        const int stufe = sys.Stufe;
        click(Miss);
        total -= stake;
        ASSERT_EQ(lastRow()[4], " " + std::to_string(stake)) << spin;
        ASSERT_EQ(lastRow()[7], " " + std::to_string(total)) << spin;
        ASSERT_EQ(sys.Stufe, stufe == 10 ? 1 : stufe + 1) << spin;
    }
    EXPECT_LT(sys.Partie, -1'000'000.0f);
    EXPECT_EQ(blankThen(-1000400.0f), " -1000400");
    EXPECT_EQ(decimalText(-0.0f), "0");
}

// An overflow ends the evaluation after the balances, never the click's row.
TEST_F(Partie, OverflowsEndTheEvaluationButNeverLoseTheClick)
{
    aktiv();
    sys.Gesamt = std::numeric_limits<std::int32_t>::min();
    click(Miss);
    EXPECT_EQ(lastRow(), (Row{" 1", "9", "", "", "", "", "", ""}));
    EXPECT_EQ(std::tuple(sys.Partie, sys.Gesamt), std::tuple(-1.0f, std::numeric_limits<std::int32_t>::min()));
    EXPECT_EQ(sys.Stufe, 1) << "no advance";

    sys.Anzahl_Coups = std::numeric_limits<std::int32_t>::max();
    click(3);
    EXPECT_EQ(sys.Anzahl_Coups, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ((Row{lastRow()[0], lastRow()[1]}), (Row{" 2147483647", "3"}));
}

} // namespace tavrel::test
