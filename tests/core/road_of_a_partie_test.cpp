#include "table_fixture.h"

namespace tavrel::test {

using Row = std::vector<std::string>;
using Strings = std::vector<std::string>;

class RoadOfAPartie : public TableFixture {};

TEST_F(RoadOfAPartie, SwitchingOnStartsWithCheval02)
{
    aktiv();
    EXPECT_EQ(list(), (Strings{"0", "2"}));
    EXPECT_EQ(sys.Frm_Tavrel.xpLabel_Tableau.cell(0).backColor, Yellow);
    EXPECT_EQ(sys.Frm_Tavrel.xpLabel_Tableau.cell(2).backColor, Yellow);
    EXPECT_EQ(sys.Frm_Tavrel.xpLabel_Tableau.cell(1).backColor, FeltGreen);
    EXPECT_EQ(sys.Frm_Tavrel.lbl_Cheval(0).Caption(), "0,2= 1");
    EXPECT_TRUE(sys.Frm_Tavrel.lbl_Cheval(0).Visible());
    EXPECT_EQ(sys.Frm_Tavrel.Lbl_Pleins.Caption(), "Pleins= 2");
    EXPECT_EQ(sys.Frm_Tavrel.Lbl_Stufe.Caption(), "Stufe= 1");
    EXPECT_EQ(sys.Einsatz, 1);
    EXPECT_EQ(sys.Einsatz_Plein(0), 0.5f);
    EXPECT_EQ(sys.Einsatz_Plein(2), 0.5f);
}

TEST_F(RoadOfAPartie, AMissThenAHitWinsThePartieAndStartsTheNext)
{
    aktiv();
    click(5);
    EXPECT_EQ(row(1), (Row{" 1", "5", " 0, 2", "-", " 1", " -1", " -1", " -1"}));
    EXPECT_EQ(list(), (Strings{"0", "2", "1", "4"}));
    EXPECT_EQ(sys.Stufe, 2);
    EXPECT_EQ(sys.Einsatz, 2);
    EXPECT_EQ(sys.Frm_Tavrel.lbl_Cheval(1).Caption(), "1,4= 1");
    EXPECT_EQ(sys.Frm_Tavrel.Grid.CurrentRow(), 1);

    click(4);
    EXPECT_EQ(row(2), (Row{" 2", "4", " 0, 2, 1, 4", "Treffer", " 2", " 16", " 15", " 15"}));
    EXPECT_EQ(list(), (Strings{"0", "2"}));
    EXPECT_EQ(sys.Frm_Tavrel.Lbl_Stufe.Caption(), "Stufe= 1");
    EXPECT_EQ(sys.Frm_Tavrel.Lbl_Pleins.Caption(), "Pleins= 2");
    EXPECT_FALSE(sys.Frm_Tavrel.lbl_Cheval(1).Visible());
    EXPECT_FALSE(sys.Frm_Tavrel.lbl_Cheval(2).Visible());
    EXPECT_EQ(sys.Einsatz, 1);
    EXPECT_EQ(sys.Partie, 0.0f);
    EXPECT_EQ(sys.Gesamt, 15);
    EXPECT_EQ(sys.Frm_Tavrel.Grid.CurrentRow(), 2);
}

TEST_F(RoadOfAPartie, ASpinWithoutAPartieIsOnlyRecorded)
{
    click(17);
    EXPECT_EQ(row(1), (Row{" 1", "17", "", "", "", "", "", ""}));
    EXPECT_EQ(sys.Anzahl_Coups, 1);
    EXPECT_EQ(sys.Gefallene_Zahl, 17);
    EXPECT_EQ(sys.Frm_Tavrel.Lbl_Pleins.Caption(), "Pleins= 0");
    EXPECT_EQ(sys.Frm_Tavrel.Lbl_Stufe.Caption(), "Stufe= 0");
    EXPECT_EQ(sys.Gesamt, 0);
}

TEST_F(RoadOfAPartie, AnImmediateHitOn2WinsSeventeen)
{
    aktiv();
    click(2);
    EXPECT_EQ(row(1), (Row{" 1", "2", " 0, 2", "Treffer", " 1", " 17", " 17", " 17"}));
    EXPECT_EQ(sys.Stufe, 1);
    EXPECT_EQ(sys.Anzahl_Pleins, 2);
    EXPECT_EQ(sys.Einsatz, 1);
    EXPECT_EQ(sys.Partie, 0.0f);
    EXPECT_EQ(sys.Gesamt, 17);
}

TEST_F(RoadOfAPartie, StufeHaltenHoldsAHitButNeverAMiss)
{
    aktiv();
    halten();
    clickAll({Miss, Miss, Miss, Miss, Miss}); // six chevals, Partie -15
    const auto stakes = sys.Einsatz_Cheval;
    click(1); // 18 on cheval 1,4 for a stake of 6: Partie -3, the level is held
    EXPECT_EQ(lastRow(), (Row{" 6", "1", " 0, 2, 1, 4, 6, 3, 8, 5, 7, 10, 20, 21", "Treffer", " 6", " 12", " -3", " -3"}));
    EXPECT_EQ(sys.Stufe, 6);
    EXPECT_EQ(sys.Einsatz_Cheval, stakes);
    EXPECT_EQ(sys.Anzahl_Pleins, 12);

    click(Miss); // a miss advances whatever the switch says
    EXPECT_EQ(sys.Stufe, 7);

    halten(); // unchecked: the same kind of hit advances
    click(Miss); // Partie -16
    click(1);    // 18 - 8: Partie -6
    EXPECT_EQ(sys.Partie, -6.0f);
    EXPECT_EQ(sys.Stufe, 9);
    EXPECT_EQ(sys.Einsatz, 9);
}

TEST_F(RoadOfAPartie, ResetKeepsTheSpinCountAndTheTotal)
{
    aktiv();
    clickAll({Miss, Miss});
    sys.M_Reset_Click();
    EXPECT_EQ(sys.Frm_Tavrel.Grid.RowCount(), 0);
    EXPECT_EQ(sys.Frm_Tavrel.xpCheck.Value(0), 0);
    EXPECT_EQ(sys.Frm_Tavrel.xpCheck.Value(1), 0);
    EXPECT_TRUE(list().empty());
    EXPECT_EQ(sys.Frm_Tavrel.Lbl_Pleins.Caption(), "Pleins= 0");
    EXPECT_EQ(sys.Frm_Tavrel.Lbl_Stufe.Caption(), "Stufe= 0");
    EXPECT_EQ(sys.Saldo, 0.0f);
    EXPECT_EQ(sys.Partie, 0.0f);

    aktiv();
    click(Miss);
    EXPECT_EQ(row(1), (Row{" 3", "9", " 0, 2", "-", " 1", " -1", " -1", " -4"}));
}

} // namespace tavrel::test
