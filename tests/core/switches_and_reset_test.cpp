#include "table_fixture.h"

namespace tavrel::test {

using Strings = std::vector<std::string>;

class SwitchesAndReset : public TableFixture {
protected:
    // The whole observable state, for before/after comparisons.
    struct Snapshot {
        M_Tavrel state;
        Strings list;
        Strings captions;
        std::vector<int> flags;
        bool operator==(const Snapshot&) const = default;
    };

    Snapshot snapshot() const
    {
        const auto& c = sys.Frm_Tavrel;
        Snapshot s{sys, c.List.items(), {c.Lbl_Pleins.Caption(), c.Lbl_Stufe.Caption()}, {}};
        for (int k = 0; k < ChevalCount; ++k) {
            s.captions.push_back(c.lbl_Cheval(k).Visible() ? c.lbl_Cheval(k).Caption() : ""); // hidden ones keep old text
            s.flags.push_back(c.lbl_Cheval(k).Visible());
        }
        for (int n = 0; n < NumberCount; ++n) {
            s.flags.push_back(c.Check.Value(n));
            s.flags.push_back(static_cast<int>(c.xpLabel_Tableau.cell(n).backColor));
            s.flags.push_back(static_cast<int>(c.xpLabel_Tableau.cell(n).numberColor));
        }
        return s;
    }

    void expectNoPartie()
    {
        const auto& c = sys.Frm_Tavrel;
        EXPECT_TRUE(list().empty());
        for (int n = 0; n < NumberCount; ++n) {
            EXPECT_EQ(c.Check.Value(n), 0);
            EXPECT_EQ(c.xpLabel_Tableau.cell(n).backColor, FeltGreen);
            EXPECT_EQ(c.xpLabel_Tableau.cell(n).numberColor, NumberColor(n));
            EXPECT_EQ(sys.Einsatz_Plein(n), 0.0f);
        }
        for (int k = 0; k < ChevalCount; ++k)
            EXPECT_FALSE(c.lbl_Cheval(k).Visible());
        EXPECT_EQ(c.Lbl_Pleins.Caption(), "Pleins= 0");
        EXPECT_EQ(c.Lbl_Stufe.Caption(), "Stufe= 0");
        EXPECT_EQ(sys.Einsatz, 0);
        EXPECT_EQ(sys.Stufe, 0);
    }
};

TEST_F(SwitchesAndReset, StufeHaltenChangesNothingWhenToggled)
{
    aktiv();
    click(Miss);
    const Snapshot before = snapshot();
    halten();
    EXPECT_EQ(sys.Frm_Tavrel.xpCheck.Value(1), 1);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(SwitchesAndReset, SwitchingOffClearsThePartieButKeepsItsBalance)
{
    aktiv();
    const Snapshot firstStart = snapshot();
    clickAll({Miss, Miss, Miss});
    aktiv();
    expectNoPartie();
    EXPECT_EQ(sys.Partie, -6.0f);
    EXPECT_EQ(sys.Saldo, -3.0f);
    EXPECT_EQ(sys.Frm_Tavrel.Grid.RowCount(), 3);

    sys.Partie = 0; // compare with the first start on everything else
    sys.Saldo = 0;
    aktiv();
    Snapshot again = snapshot();
    again.state.Anzahl_Coups = 0;
    again.state.Gesamt = 0;
    again.state.Gefallene_Zahl = 0;
    again.state.Pleins_Gesetzt.clear();
    again.state.Treffer.clear();
    EXPECT_EQ(again, firstStart);
}

TEST_F(SwitchesAndReset, ASecondStartGoesOnFromTheOldBalance)
{
    aktiv();
    clickAll({Miss, Miss}); // Partie -3
    aktiv();
    aktiv();
    click(2); // 17 on one unit: Partie 14 > 0, the partie is won
    EXPECT_EQ(lastRow()[6], " 14");
    EXPECT_EQ(sys.Partie, 0.0f);
}

TEST_F(SwitchesAndReset, ResetInTheProgressionRestoresTheStartLook)
{
    aktiv();
    for (int i = 0; i < 12; ++i)
        click(Miss);
    sys.M_Reset_Click();
    expectNoPartie();
    EXPECT_EQ(sys.Saldo, 0.0f);
    EXPECT_EQ(sys.Partie, 0.0f);
    EXPECT_EQ(sys.Anzahl_Coups, 12);
    EXPECT_EQ(sys.Frm_Tavrel.lbl_Cheval(5).Caption(), "20,21= 1") << "hidden labels keep their text";
}

TEST_F(SwitchesAndReset, ResetOnAFreshTableChangesNothingVisible)
{
    const Snapshot fresh = snapshot();
    sys.M_Reset_Click();
    EXPECT_EQ(snapshot(), fresh);
    EXPECT_EQ(sys.Frm_Tavrel.Grid.columns().size(), 8u);
}

} // namespace tavrel::test
