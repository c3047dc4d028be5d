#include "table_fixture.h"

#include "tavrel/number_text.h"

#include <cstdint>
#include <limits>

namespace tavrel::test {

class LongLosingPartie : public TableFixture {};

// Far below -32768 and past a million, every spin is evaluated in plain digits.
TEST_F(LongLosingPartie, BalancesBeyondSixteenBitsAreRecordedAndTheSystemAdvances)
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
    EXPECT_EQ(lastRow()[6], blankThen(sys.Partie));
    EXPECT_EQ(blankThen(-1000400.0f), " -1000400");
    EXPECT_EQ(decimalText(-0.0f), "0");
}

// An overflow ends the evaluation after the balances, never the click's row.
TEST_F(LongLosingPartie, OverflowsEndTheEvaluationButNeverLoseTheClick)
{
    aktiv();
    sys.Gesamt = std::numeric_limits<std::int32_t>::min();
    click(Miss);
    EXPECT_EQ(lastRow(), (std::vector<std::string>{" 1", "9", "", "", "", "", "", ""}));
    EXPECT_EQ(sys.Partie, -1.0f);
    EXPECT_EQ(sys.Gesamt, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(sys.Stufe, 1) << "no advance";

    sys.Anzahl_Coups = std::numeric_limits<std::int32_t>::max();
    click(3);
    EXPECT_EQ(sys.Anzahl_Coups, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(lastRow()[0], " 2147483647");
    EXPECT_EQ(lastRow()[1], "3");
}

} // namespace tavrel::test
