#include "table_fixture.h"

namespace tavrel::test {

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
    EXPECT_EQ(list(), (std::vector<std::string>{"0", "2", "1", "4", "6", "3", "8", "5", "7", "10", "20", "21", "19",
                                                "22", "24", "27", "23", "26", "25", "28"}));
    EXPECT_EQ(sys.Stufe, 10);
    EXPECT_EQ(sys.Einsatz, 10);
    EXPECT_EQ(caption(4), "7,10= 1");
    EXPECT_EQ(caption(9), "25,28= 1");
}

TEST_F(ChevalProgression, RaisesOneChevalPerAdvanceInCyclicOrderAndPaysEighteenPerUnit)
{
    buildUp();
    click(Miss);
    EXPECT_EQ(sys.Stufe, 1);
    EXPECT_EQ(sys.Einsatz_Plein(0), 1.0f);
    EXPECT_EQ(sys.Einsatz_Plein(2), 1.0f);
    EXPECT_EQ(caption(0), "0,2= 2");
    EXPECT_EQ(sys.Einsatz, 11);
    EXPECT_EQ(sys.Anzahl_Pleins, 20) << "raising adds no pleins";

    for (int i = 0; i < 10; ++i)
        click(Miss); // the other nine chevals, then cheval 0,2 a second time
    EXPECT_EQ(sys.Stufe, 1);
    EXPECT_EQ(sys.Einsatz_Plein(0), 1.5f);
    EXPECT_EQ(caption(2), "6,3= 2");
    for (int k = 1; k < ChevalCount; ++k)
        EXPECT_EQ(sys.Einsatz_Cheval[k], 2) << k;
    EXPECT_EQ(sys.Einsatz, 21);

    const float partie = sys.Partie;
    click(3); // cheval 6,3 at two units
    EXPECT_EQ(lastRow()[3], "Treffer");
    EXPECT_EQ(sys.Saldo, 36.0f - 21);
    EXPECT_EQ(sys.Partie, partie + 15);
}

} // namespace tavrel::test
