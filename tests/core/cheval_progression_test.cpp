#include "table_fixture.h"

namespace tavrel::test {

using Strings = std::vector<std::string>;

class ChevalProgression : public TableFixture {
protected:
    // Switches the system on and misses until all ten chevals are active.
    void buildUp()
    {
        aktiv();
        for (int i = 0; i < 9; ++i)
            click(Miss);
    }
};

TEST_F(ChevalProgression, BuildUpAddsTheChevalsInTableOrder)
{
    buildUp();
    EXPECT_EQ(list(), (Strings{"0", "2", "1", "4", "6", "3", "8", "5", "7", "10", "20", "21", "19", "22", "24", "27",
                               "23", "26", "25", "28"}));
    EXPECT_EQ(sys.Anzahl_Pleins, 20);
    EXPECT_EQ(sys.Stufe, 10);
    EXPECT_EQ(sys.Einsatz, 10);
    EXPECT_EQ(sys.Frm_Tavrel.lbl_Cheval(2).Caption(), "6,3= 1");
    EXPECT_EQ(sys.Frm_Tavrel.lbl_Cheval(4).Caption(), "7,10= 1");
    EXPECT_EQ(sys.Frm_Tavrel.lbl_Cheval(9).Caption(), "25,28= 1");
    for (int n : {25, 28, 19, 22})
        EXPECT_EQ(sys.Frm_Tavrel.xpLabel_Tableau.cell(n).backColor, Yellow) << n;
    for (int n = 0; n < NumberCount; ++n) {
        const bool onACheval = sys.Frm_Tavrel.Check.Value(n) == 1;
        EXPECT_EQ(sys.Einsatz_Plein(n), onACheval ? 0.5f : 0.0f) << n;
    }
}

TEST_F(ChevalProgression, RaisesOneChevalPerAdvanceInCyclicOrder)
{
    buildUp();
    click(Miss);
    EXPECT_EQ(sys.Stufe, 1);
    EXPECT_EQ(sys.Einsatz_Cheval(0), 2);
    EXPECT_EQ(sys.Einsatz_Plein(0), 1.0f);
    EXPECT_EQ(sys.Einsatz_Plein(2), 1.0f);
    EXPECT_EQ(sys.Frm_Tavrel.lbl_Cheval(0).Caption(), "0,2= 2");
    EXPECT_EQ(sys.Einsatz, 11);
    EXPECT_EQ(sys.Anzahl_Pleins, 20) << "raising adds no pleins";

    click(Miss);
    click(Miss);
    EXPECT_EQ(sys.Stufe, 3);
    EXPECT_EQ(sys.Frm_Tavrel.lbl_Cheval(2).Caption(), "6,3= 2");
    EXPECT_EQ(sys.Einsatz_Plein(6), 1.0f);
    EXPECT_EQ(sys.Einsatz_Plein(3), 1.0f);

    for (int i = 0; i < 8; ++i)
        click(Miss); // the remaining seven chevals, then cheval 0,2 a second time
    EXPECT_EQ(sys.Stufe, 1);
    EXPECT_EQ(sys.Einsatz_Cheval(0), 3);
    EXPECT_EQ(sys.Einsatz_Plein(0), 1.5f);
    for (int k = 1; k < ChevalCount; ++k)
        EXPECT_EQ(sys.Einsatz_Cheval(k), 2) << k;
    EXPECT_EQ(sys.Einsatz, 21);
}

TEST_F(ChevalProgression, AHitPaysEighteenPerUnitOfItsCheval)
{
    buildUp();
    const int stake = sys.Einsatz;
    click(28); // cheval 25,28 at one unit
    EXPECT_EQ(lastRow()[3], "Treffer");
    EXPECT_EQ(sys.Saldo, 18.0f - stake);
}

// States no user event reaches; they pin the skip-on-error rule of the progression.
TEST_F(ChevalProgression, AFailingStepIsSkippedAndTheNextOneRuns)
{
    sys.Stufe = 10;
    sys.Anzahl_Pleins = 5;
    sys.Frm_Tavrel.List.AddItem("x");
    sys.Cheval_Aktivieren(); // no stake 10, no label 10, no cheval for an odd count
    EXPECT_EQ(sys.Stufe, 11);
    EXPECT_EQ(sys.Anzahl_Pleins, 1) << "re-read from the list";

    sys.Stufe = 255;
    sys.Cheval_Aktivieren();
    EXPECT_EQ(sys.Stufe, 255) << "the 8-bit overflow leaves it as it was";

    sys.Stufe = 0;
    sys.Cheval_Erhoehen();
    EXPECT_EQ(sys.Stufe, 1);
    EXPECT_EQ(sys.Einsatz_Cheval(0), 1);
    EXPECT_EQ(sys.Frm_Tavrel.lbl_Cheval(0).Caption(), "0,2= 1");
}

} // namespace tavrel::test
