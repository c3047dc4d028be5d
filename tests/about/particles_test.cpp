#include "particles/kollision_engine_2d.h"
#include "particles/partikel_system_2.h"
#include "tavrel/runtime_error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace tavrel;
using namespace tavrel::KollisionEngine2D;
using namespace tavrel::PartikelSystem2;

namespace {

struct Point {
    float x, y;
    std::int32_t colour;
    bool operator==(const Point&) const = default;
};

struct RecordingSurface : DrawingSurface {
    void setPoint(float x, float y, std::int32_t colour) override { points.push_back({x, y, colour}); }
    std::vector<Point> points;
};

PartikelListe freshList()
{
    PartikelListe list;
    InitPartikel(list);
    return list;
}

// Updates until a lone particle added at the origin is retired; how many it took.
int updatesUntilRetired(double angle, std::int32_t speed, std::int32_t range, double gravity = 400)
{
    PartikelListe list = freshList();
    AddPartikel(list, 0, 0, angle, 0, speed, range);
    int updates = 0;
    for (; list.Count > 0 && updates < 1000; ++updates)
        UpdatePartikel(list, gravity);
    return updates;
}

} // namespace

TEST(KollisionEngine2D, ComponentsAndRoundedDistances)
{
    EXPECT_EQ(DegToRad(180), 3.141592653589794); // the 15-digit factor, one unit above pi / 180
    struct Row { double angle; std::int32_t x, y; };
    const Row rows[] = {{0, 1785, 0}, {45, 1262, -1262}, {90, 0, -1785}, {180, -1785, 0},
                        {270, 0, 1785}, {1, 1785, -31}, {360.9999, 1785, -31}};
    for (const Row row : rows)
        EXPECT_EQ(std::pair(AngleToX(row.angle, 1785), AngleToY(row.angle, 1785)), std::pair(row.x, row.y))
            << "angle " << row.angle;
    // x1, y1, x2, y2 and the distance; on an axis it is exact, without squares that could overflow.
    const std::int32_t distances[][5] = {{0, 0, 3, 4, 5},       {0, 0, 0, -7, 7},        {5, 5, 5, 5, 0},
                                         {0, 0, 1, 1, 1},       {0, 0, 2, 3, 4},         {0, 0, 700, 714, 1000},
                                         {0, 0, 700, 715, 1001}, {-100000, 0, 0, 0, 100000}, {1, 2, 4, 6, 5}};
    for (const auto& d : distances)
        EXPECT_EQ(Distance(d[0], d[1], d[2], d[3]), d[4]) << d[0] << " " << d[1] << " " << d[2] << " " << d[3];
}

TEST(PartikelSystem2, MovesByTheOldSpeedThenTakesGravityAndIsDrawnInWholeTwips)
{
    PartikelListe list = freshList();
    AddPartikel(list, 100, 200, 0, 0x123456, 7, 1000);
    EXPECT_EQ(list.Items.at(1), (Partikel{0, 0, 255000, 1785, 0, 25500, 51000, 0x123456}));
    const Partikel after[] = {{1785, 0, 255000, 1785, 400, 27285, 51000, 0x123456},
                              {3570, 400, 255000, 1785, 800, 29070, 51400, 0x123456},
                              {5355, 1200, 255000, 1785, 1200, 30855, 52200, 0x123456}};
    const Point drawnAt[] = {{107, 200, 0x123456}, {114, 201, 0x123456}, {121, 204, 0x123456}};
    for (int update = 0; update < 3; ++update) {
        UpdatePartikel(list, 400);
        RecordingSurface surface;
        DrawPartikel(surface, list);
        EXPECT_EQ(list.Items.at(1), after[update]) << "update " << update + 1;
        EXPECT_EQ(surface.points.at(0), drawnAt[update]) << "update " << update + 1;
    }
}

TEST(PartikelSystem2, RetiredByTheUpdateThatCarriesItStrictlyBeyondItsRange)
{
    EXPECT_EQ(updatesUntilRetired(270, 7, 1000), 32);
    EXPECT_EQ(updatesUntilRetired(0, 7, 1000), 36);
    EXPECT_EQ(updatesUntilRetired(180, 7, 1000), 36);
    EXPECT_EQ(updatesUntilRetired(90, 7, 1000), 42);
    EXPECT_EQ(updatesUntilRetired(90, 70, 7000), 150);
    // Distance 7 equals range 7 after the first update; only the second goes beyond it.
    EXPECT_EQ(updatesUntilRetired(0, 7, 7), 2);
    // Falling from rest, 254/255 twip still counts as no distance at all.
    EXPECT_EQ(updatesUntilRetired(0, 0, 0, 254), 3);
}

TEST(PartikelSystem2, RemovalsCloseTheGapAndEveryOtherParticleStillMovesOnce)
{
    PartikelListe list = freshList();
    for (std::int32_t colour = 1; colour <= 5; ++colour)
        AddPartikel(list, 0, 0, 0, colour, 7, colour == 2 || colour == 3 ? 0 : 1000);
    UpdatePartikel(list, 400);
    ASSERT_EQ(list.Count, 3);
    ASSERT_EQ(list.Items.size(), 4u);
    const std::int32_t survivors[] = {1, 4, 5};
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(std::pair(list.Items[i + 1].Color, list.Items[i + 1].TravelX), std::pair(survivors[i], 1785));

    RemovePartikel(list, -1);
    RemovePartikel(list, 4);
    RemovePartikel(list, 3);
    EXPECT_EQ(list.Count, 2);
    EXPECT_EQ(list.Items.size(), 3u);
    EXPECT_EQ(list.Items[2].Color, 4);
    // Removing the dummy of an empty list would leave it without bounds.
    list = freshList();
    EXPECT_THROW(RemovePartikel(list, 0), RuntimeError);
}

TEST(PartikelSystem2, DrawsFivePointsAParticleAndNothingForAFreshList)
{
    PartikelListe list = freshList();
    RecordingSurface surface;
    UpdatePartikel(list, 400);
    DrawPartikel(surface, list);
    EXPECT_EQ(list.Items, std::vector<Partikel>(1));
    EXPECT_TRUE(surface.points.empty());

    DrawPartikelAt(surface, 1000, 1000, 7);
    EXPECT_EQ(surface.points, (std::vector<Point>{{1000, 1000, 7}, {1010, 1010, 7}, {1020, 980, 7},
                                                  {990, 1010, 7}, {990, 990, 7}}));

    // 31/255 twip above the start is drawn on the start's row: truncated toward zero.
    AddPartikel(list, 0, 0, 1, 7, 7, 1000);
    UpdatePartikel(list, 400);
    surface.points.clear();
    DrawPartikel(surface, list);
    EXPECT_EQ(surface.points.at(0), (Point{7, 0, 7}));
}

TEST(Particles, Overflowing32BitArithmeticRaisesARuntimeError)
{
    EXPECT_THROW(Distance(0, 0, 100000, 1), RuntimeError);
    EXPECT_THROW(Distance(INT32_MIN, 0, 0, 0), RuntimeError);
    EXPECT_THROW(AngleToY(90, INT32_MIN), RuntimeError);
    EXPECT_THROW(AngleToX(180, INT32_MIN), RuntimeError);

    PartikelListe list = freshList();
    AddPartikel(list, 8421504, 0, 0, 0, 7, 1000); // the largest x that scale 255 holds
    EXPECT_THROW(AddPartikel(list, 8421505, 0, 0, 0, 7, 1000), RuntimeError);
    EXPECT_EQ(list.Count, 1);
    EXPECT_THROW(UpdatePartikel(list, 400), RuntimeError);
}
