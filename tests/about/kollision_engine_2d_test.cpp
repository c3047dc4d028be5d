#include "particles/kollision_engine_2d.h"
#include "checked/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>

using namespace tavrel;
using namespace tavrel::KollisionEngine2D;

TEST(KollisionEngine2D, DegToRadUsesTheFifteenDigitFactor)
{
    EXPECT_EQ(DegToRad(1), std::nextafter(std::numbers::pi / 180, 1.0));
    EXPECT_EQ(DegToRad(180), 3.141592653589794);
    EXPECT_NE(DegToRad(180), std::numbers::pi);
}

TEST(KollisionEngine2D, ComponentsOfLength1785)
{
    struct Row { double angle; std::int32_t x, y; };
    for (const Row row : {Row{0, 1785, 0}, Row{45, 1262, -1262}, Row{90, 0, -1785}, Row{180, -1785, 0},
                          Row{270, 0, 1785}, Row{1, 1785, -31}, Row{360.9999, 1785, -31}}) {
        EXPECT_EQ(AngleToX(row.angle, 1785), row.x) << "angle " << row.angle;
        EXPECT_EQ(AngleToY(row.angle, 1785), row.y) << "angle " << row.angle;
    }
}

TEST(KollisionEngine2D, DistanceIsRoundedAndExactOnTheAxes)
{
    EXPECT_EQ(Distance(0, 0, 3, 4), 5);
    EXPECT_EQ(Distance(0, 0, 0, -7), 7);
    EXPECT_EQ(Distance(5, 5, 5, 5), 0);
    EXPECT_EQ(Distance(0, 0, 1, 1), 1);
    EXPECT_EQ(Distance(0, 0, 2, 3), 4);
    EXPECT_EQ(Distance(0, 0, 700, 714), 1000);
    EXPECT_EQ(Distance(0, 0, 700, 715), 1001);
    EXPECT_EQ(Distance(-100000, 0, 0, 0), 100000);
}

TEST(KollisionEngine2D, OverflowRaisesARuntimeError)
{
    EXPECT_THROW(Distance(0, 0, 100000, 1), RuntimeError);
    EXPECT_THROW(Distance(INT32_MIN, 0, 0, 0), RuntimeError);
    EXPECT_THROW(AngleToY(90, INT32_MIN), RuntimeError);
    EXPECT_THROW(AngleToX(180, INT32_MIN), RuntimeError);
}
