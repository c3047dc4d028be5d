#include "table_fixture.h"

#include "tavrel/number_text.h"

#include <cstdint>
#include <limits>

namespace tavrel::test {

class LongLosingPartie : public TableFixture {};

// A long losing partie takes the total far below -32768 and the partie balance
// past a million; every spin must still be evaluated and shown in plain digits.
TEST_F(LongLosingPartie, BalancesBeyondSixteenBitsAreRecordedAndTheSystemAdvances)
{
    aktiv();
    std::int64_t total = 0;
    bool sawMillion = false;
    for (int spin = 1; spin <= 2000; ++spin) {
        const int stake = sys.Einsatz;
        const int stufe = sys.Stufe;
        click(Miss);
        total -= stake;
        const auto row = lastRow();
        ASSERT_EQ(row[4], " " + std::to_string(stake)) << spin;
        ASSERT_EQ(row[7], " " + std::to_string(total)) << spin;
        ASSERT_EQ(sys.Stufe, stufe == 10 ? 1 : stufe + 1) << "the system keeps advancing at spin " << spin;
        sawMillion = sawMillion || sys.Partie < -1'000'000.0f;
        ASSERT_EQ(row[6].find('e'), std::string::npos) << row[6];
    }
    EXPECT_LT(total, -2'000'000);
    EXPECT_EQ(sys.Gesamt, total);
    EXPECT_TRUE(sawMillion);
}

TEST(NumberText, WholeSinglesArePlainDigits)
{
    EXPECT_EQ(blankThen(-1000400.0f), " -1000400");
    EXPECT_EQ(decimalText(16777216.0f), "16777216");
    EXPECT_EQ(decimalText(-0.0f), "0");
    EXPECT_EQ(decimalText(17.0f), "17");
    EXPECT_EQ(decimalText(std::int16_t{-32768}), "-32768");
}

// The one overflow ordinary input could in principle reach: the evaluation ends
// at the total, after the balances, and the click is still recorded.
TEST_F(LongLosingPartie, AnOverflowingTotalEndsTheEvaluationButNotTheClick)
{
    aktiv();
    sys.Gesamt = std::numeric_limits<std::int32_t>::min();
    click(Miss);
    EXPECT_EQ(lastRow(), (std::vector<std::string>{" 1", "9", "", "", "", "", "", ""}));
    EXPECT_EQ(sys.Saldo, -1.0f);
    EXPECT_EQ(sys.Partie, -1.0f);
    EXPECT_EQ(sys.Gesamt, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(sys.Stufe, 1) << "no advance";
    EXPECT_EQ(sys.Frm_Tavrel.Grid.CurrentRow(), 1);
    EXPECT_EQ(sys.Anzahl_Coups, 1);
}

TEST_F(LongLosingPartie, TheSpinCounterStopsAtItsLargestValueAndTheSpinIsStillRecorded)
{
    sys.Anzahl_Coups = std::numeric_limits<std::int32_t>::max();
    click(3);
    EXPECT_EQ(sys.Anzahl_Coups, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(lastRow()[0], " 2147483647");
    EXPECT_EQ(lastRow()[1], "3");
}

} // namespace tavrel::test
