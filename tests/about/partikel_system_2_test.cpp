#include "particles/partikel_system_2.h"
#include "checked/runtime_error.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace tavrel;
using namespace tavrel::PartikelSystem2;

namespace {

struct Point {
    float x, y;
    std::int32_t colour;
    bool operator==(const Point&) const = default;
};

class RecordingSurface : public DrawingSurface {
public:
    void setPoint(float x, float y, std::int32_t colour) override { points.push_back({x, y, colour}); }
    std::vector<Point> points;
};

PartikelListe freshList()
{
    PartikelListe list;
    InitPartikel(list);
    return list;
}

// Number of updates with gravity 400 until a lone particle added at the origin is retired.
int updatesUntilRetired(double angle, std::int32_t speed, std::int32_t range)
{
    PartikelListe list = freshList();
    AddPartikel(list, 0, 0, angle, 0, speed, range);
    int updates = 0;
    while (list.Count > 0 && updates < 1000) {
        UpdatePartikel(list, 400);
        ++updates;
    }
    return updates;
}

} // namespace

TEST(PartikelSystem2, FreshListHoldsOnlyTheDummy)
{
    PartikelListe list = freshList();
    RecordingSurface surface;
    UpdatePartikel(list, 400);
    DrawPartikel(surface, list);
    EXPECT_EQ(list.Count, 0);
    EXPECT_EQ(list.Items, std::vector<Partikel>(1));
    EXPECT_TRUE(surface.points.empty());
}

TEST(PartikelSystem2, WorkedExample)
{
    PartikelListe list = freshList();
    AddPartikel(list, 100, 200, 0, 0x123456, 7, 1000);
    EXPECT_EQ(list.Items.at(1), (Partikel{0, 0, 255000, 1785, 0, 25500, 51000, 0x123456}));

    const Partikel afterUpdate[] = {{1785, 0, 255000, 1785, 400, 27285, 51000, 0x123456},
                                    {3570, 400, 255000, 1785, 800, 29070, 51400, 0x123456},
                                    {5355, 1200, 255000, 1785, 1200, 30855, 52200, 0x123456}};
    const Point drawnAt[] = {{107, 200, 0x123456}, {114, 201, 0x123456}, {121, 204, 0x123456}};
    for (int frame = 0; frame < 3; ++frame) {
        UpdatePartikel(list, 400);
        RecordingSurface surface;
        DrawPartikel(surface, list);
        EXPECT_EQ(list.Items.at(1), afterUpdate[frame]) << "update " << frame + 1;
        ASSERT_EQ(surface.points.size(), 5u);
        EXPECT_EQ(surface.points[0], drawnAt[frame]) << "update " << frame + 1;
    }
}

TEST(PartikelSystem2, RetiredByTheUpdateThatCarriesItOutOfRange)
{
    EXPECT_EQ(updatesUntilRetired(270, 7, 1000), 32);
    EXPECT_EQ(updatesUntilRetired(0, 7, 1000), 36);
    EXPECT_EQ(updatesUntilRetired(180, 7, 1000), 36);
    EXPECT_EQ(updatesUntilRetired(90, 7, 1000), 42);
    EXPECT_EQ(updatesUntilRetired(90, 70, 7000), 150);
}

TEST(PartikelSystem2, RangeTestIsStrictOnWholeTwips)
{
    // Distance 7 equals range 7 after the first update; the second goes beyond.
    EXPECT_EQ(updatesUntilRetired(0, 7, 7), 2);

    // Falling from rest, 254/255 twip still counts as no distance at all.
    PartikelListe list = freshList();
    AddPartikel(list, 0, 0, 0, 0, 0, 0);
    UpdatePartikel(list, 254);
    UpdatePartikel(list, 254);
    EXPECT_EQ(list.Count, 1);
    UpdatePartikel(list, 254);
    EXPECT_EQ(list.Count, 0);
}

TEST(PartikelSystem2, RetirementsInsideAnUpdateMoveEveryOtherParticleOnce)
{
    PartikelListe list = freshList();
    for (std::int32_t colour = 1; colour <= 5; ++colour)
        AddPartikel(list, 0, 0, 0, colour, 7, colour == 2 || colour == 3 ? 0 : 1000);
    UpdatePartikel(list, 400);

    ASSERT_EQ(list.Count, 3);
    ASSERT_EQ(list.Items.size(), 4u);
    const std::int32_t survivors[] = {1, 4, 5};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(list.Items[i + 1].Color, survivors[i]);
        EXPECT_EQ(list.Items[i + 1].TravelX, 1785);
    }
}

TEST(PartikelSystem2, RemoveIgnoresIndexesOutsideTheListButNeverLeavesItWithoutBounds)
{
    PartikelListe list = freshList();
    AddPartikel(list, 0, 0, 0, 1, 7, 1000);
    RemovePartikel(list, -1);
    RemovePartikel(list, 2);
    EXPECT_EQ(list.Count, 1);
    RemovePartikel(list, 1);
    EXPECT_EQ(list.Count, 0);
    EXPECT_EQ(list.Items.size(), 1u);
    EXPECT_THROW(RemovePartikel(list, 0), RuntimeError);
}

TEST(PartikelSystem2, ParticleIsDrawnAsFivePointsWithTheThirdFurtherOut)
{
    RecordingSurface surface;
    DrawPartikelAt(surface, 1000, 1000, 7);
    EXPECT_EQ(surface.points, (std::vector<Point>{{1000, 1000, 7}, {1010, 1010, 7}, {1020, 980, 7},
                                                  {990, 1010, 7}, {990, 990, 7}}));

    // Positions are truncated toward zero: -31/255 twip is drawn at 0, not -1.
    PartikelListe list = freshList();
    AddPartikel(list, 0, 0, 1, 7, 7, 1000);
    UpdatePartikel(list, 400);
    surface.points.clear();
    DrawPartikel(surface, list);
    EXPECT_EQ(surface.points.front(), (Point{7, 0, 7}));
}

TEST(PartikelSystem2, OverflowRaisesARuntimeError)
{
    PartikelListe list = freshList();
    EXPECT_NO_THROW(AddPartikel(list, 8421504, 0, 0, 0, 7, 1000));
    EXPECT_THROW(AddPartikel(list, 8421505, 0, 0, 0, 7, 1000), RuntimeError);
    EXPECT_EQ(list.Count, 1);
    EXPECT_THROW(UpdatePartikel(list, 400), RuntimeError);
}
