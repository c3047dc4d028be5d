#include "particles/kollision_engine_2d.h"
#include "particles/partikel_system_2.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tavrel::KollisionEngine2D;
using namespace tavrel::PartikelSystem2;

TEST(KollisionEngine2D, ComponentsAndRoundedDistances)
{
    EXPECT_EQ(DegToRad(180), 3.141592653589794); // the 15-digit factor, one unit above pi / 180
    const double components[][3] = {{0, 1785, 0},    {45, 1262, -1262}, {90, 0, -1785},       {180, -1785, 0},
                                    {270, 0, 1785}, {1, 1785, -31},    {360.9999, 1785, -31}};
    for (const auto& [angle, x, y] : components)
        EXPECT_EQ((std::pair<double, double>(AngleToX(angle, 1785), AngleToY(angle, 1785))), std::pair(x, y)) << angle;
    // x1, y1, x2, y2 and their distance; on an axis it is exact, without squares that could overflow.
    const std::int32_t distances[][5] = {{0, 0, 3, 4, 5}, {0, 0, 0, -7, 7},       {5, 5, 5, 5, 0},
                                         {1, 2, 2, 3, 1}, {0, 0, 2, 3, 4},        {0, 0, 700, 714, 1000},
                                         {1, 2, 4, 6, 5}, {0, 0, 700, 715, 1001}, {-100000, 0, 0, 0, 100000}};
    for (const auto& [x1, y1, x2, y2, distance] : distances)
        EXPECT_EQ(Distance(x1, y1, x2, y2), distance) << x1 << " " << y1 << " " << x2 << " " << y2;
}

TEST(PartikelSystem2, RetiredByTheUpdateThatCarriesItStrictlyBeyondItsRange)
{
    // Angle, speed, range, gravity, retiring update: one update reaches range 7; 254/255 twip is no fall.
    const double cases[][5] = {{270, 7, 1000, 400, 32}, {0, 7, 1000, 400, 36}, {180, 7, 1000, 400, 36},
                               {90, 7, 1000, 400, 42},  {90, 70, 7000, 400, 150}, {0, 7, 7, 400, 2}, {0, 0, 0, 254, 3}};
    for (const auto& [angle, speed, range, gravity, retiredBy] : cases) {
        PartikelListe list;
        InitPartikel(list);
        AddPartikel(list, 0, 0, angle, 0, speed, range);
        int updates = 0;
        for (; list.Count > 0 && updates < 1000; ++updates)
            UpdatePartikel(list, gravity);
        EXPECT_EQ(updates, retiredBy) << angle << " " << speed << " " << range;
    }
}

TEST(PartikelSystem2, RemovalsCloseTheGapAndEveryOtherParticleStillMovesOnce)
{
    PartikelListe list;
    InitPartikel(list);
    UpdatePartikel(list, 400);
    EXPECT_EQ(list.Items, (std::vector<Partikel>{{0, 0, 0, 0, 0, 0, 0, 0}})) << "the dummy is zeroed and never moved";
    for (std::int32_t colour = 1; colour <= 5; ++colour)
        AddPartikel(list, 0, 0, 0, colour, 7, colour == 2 || colour == 3 ? 0 : 1000);
    UpdatePartikel(list, 400);
    RemovePartikel(list, -1);
    RemovePartikel(list, 4);
    std::vector<std::pair<std::int32_t, std::int32_t>> colourAndTravel;
    for (const Partikel& p : list.Items)
        colourAndTravel.emplace_back(p.Color, p.TravelX);
    EXPECT_EQ(colourAndTravel, (decltype(colourAndTravel){{0, 0}, {1, 1785}, {4, 1785}, {5, 1785}}));
    RemovePartikel(list, 3);
    EXPECT_EQ(std::pair(list.Count, list.Items.size()), std::pair(2, std::size_t(3)));
}
