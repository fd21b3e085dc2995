// Worked cases of the wall installation, with the rolling moment taken from
// fz and the pitching moment of fx and fz in the same sense as the
// installation's other terms.

#include <gtest/gtest.h>

#include "WallAndTiltTestSupport.h"

namespace {

using loadtest::Column3;
using loadtest::ExpectRow;
using loadtest::FreshState;
using loadtest::Near;

TEST(Wall, OneCarriageCarriesTheRollingMomentInItsEquivalentLoad) {
    CalculationState& s = FreshState();
    s.Mass1 = 50;
    s.GravityZ1 = 100;
    s.StaticLoadRating = 18.9;
    s.RollingMomentRating = 0.14f;  // enters as 0.14000000059604645
    LoadWall1R1C();

    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(s.RadialLoad[1][j], 0.0);
        EXPECT_TRUE(Near(s.LateralLoad[1][j], -490));
        EXPECT_TRUE(Near(s.EquivalentLoad[1][j], 7104.99997184)) << "phase " << j;
    }
    EXPECT_TRUE(Near(s.RollingMoment, 49000));
    EXPECT_EQ(s.PitchingMoment, 0.0);
}

// fx at height Z4 pitches the table against the inertia force of a mass at
// the same height: the two act along the same axis in opposite directions.
TEST(Wall, TwoCarriagesPitchedByFxAndByInertia) {
    struct Case {
        double a, Z1;
        Column3 pr1, pr2;
    };
    const Case cases[] = {
        {0, 0, {-49, -49, -49}, {49, 49, 49}},
        {1, 100, {1, -49, -99}, {-1, 49, 99}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a);
        CalculationState& s = FreshState();
        s.CarriageSpanL1 = 100;
        s.Mass1 = 50;
        s.GravityZ1 = c.Z1;
        s.Acceleration = c.a;
        s.LoadFx = 10;
        s.LoadPointZ4 = 50;
        LoadWall1R2C();
        ExpectRow(s.RadialLoad, 1, c.pr1, 100);
        ExpectRow(s.RadialLoad, 2, c.pr2, 100);
        ExpectRow(s.LateralLoad, 1, {-245, -245, -245});
        ExpectRow(s.LateralLoad, 2, {-245, -245, -245});
    }
}

TEST(Wall, FxThatBalancesTheInertiaForceLeavesNoMoment) {
    CalculationState& s = FreshState();
    s.Mass1 = 10;
    s.GravityY1 = 30;
    s.GravityZ1 = 100;
    s.Acceleration = 2;
    s.LoadFx = 20 / 9.8;  // 20 N along +X against the 20 N inertia force along -X
    s.LoadPointY4 = 30;
    s.LoadPointZ4 = 100;
    LoadWall1R2C();
    for (int i = 1; i <= 2; ++i) {
        EXPECT_TRUE(Near(s.RadialLoad[i][1], 0, 100)) << i;
        EXPECT_TRUE(Near(s.LateralLoad[i][1], -49, 100)) << i;
    }
    // In deceleration inertia and fx act the same way: twice the moment.
    EXPECT_TRUE(Near(s.RadialLoad[1][3], -4000 / 200.0));
    EXPECT_TRUE(Near(s.LateralLoad[1][3], -49 + 1200 / 200.0));
}

TEST(Wall, RollingMomentComesFromFzNotFx) {
    struct Case {
        double fx, fz;
        double pr1, pr2;
    };
    // L2 = 196 mm and Y6 = 20 mm: fz = 10 kgf gives 1960 N·mm, a 10 N couple.
    const Case cases[] = {{10, 0, 0, 0}, {0, 10, -39, -59}, {0, -10, 39, 59}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "fx " << c.fx << " fz " << c.fz);
        CalculationState& s = FreshState();
        s.RailSpanL2 = 196;
        s.LoadFx = c.fx;
        s.LoadFz = c.fz;
        s.LoadPointY6 = 20;
        LoadWall2R1C();
        ExpectRow(s.RadialLoad, 1, {c.pr1, c.pr1, c.pr1}, 100);
        ExpectRow(s.RadialLoad, 2, {c.pr2, c.pr2, c.pr2}, 100);
        EXPECT_TRUE(Near(s.RollingMoment, 196 * c.fz, 100));
    }
}

// 100 kg at (100, 20, 50) mm accelerated at 1 m/s², rails 250 mm apart.
CalculationState& HangingMass() {
    CalculationState& s = FreshState();
    loadtest::PlaceMass1(s, 100, 100, 20, 50);
    s.Acceleration = 1;
    s.CarriageSpanL1 = 200;
    s.RailSpanL2 = 250;
    return s;
}

TEST(Wall, TwoRailsTwoCarriagesWorkedCase) {
    CalculationState& s = HangingMass();
    LoadWall2R2C();

    const Column3 radial[] = {{110.5, 98, 85.5}, {85.5, 98, 110.5}, {-110.5, -98, -85.5}, {-85.5, -98, -110.5}};
    const Column3 lateral[] = {{-5, 0, 5}, {-485, -490, -495}, {-485, -490, -495}, {-5, 0, 5}};
    const Column3 equivalent[] = {{115.5, 98, 90.5}, {570.5, 588, 605.5}, {595.5, 588, 580.5}, {90.5, 98, 115.5}};
    for (int i = 1; i <= 4; ++i) {
        ExpectRow(s.RadialLoad, i, radial[i - 1], 500);
        ExpectRow(s.LateralLoad, i, lateral[i - 1], 500);
        ExpectRow(s.EquivalentLoad, i, equivalent[i - 1], 500);
    }
    // The deceleration moments are the last ones formed.
    EXPECT_TRUE(Near(s.RollingMoment, 49000));
    EXPECT_TRUE(Near(s.PitchingMoment, -5000));
    EXPECT_TRUE(Near(s.YawingMoment, -100000));
}

TEST(Wall, TwoRailsOneCarriageEachWorkedCase) {
    CalculationState& s = HangingMass();
    s.StaticLoadRating = 10;
    s.PitchingMomentRating = 0.1;
    s.YawingMomentRating = 0.1;
    LoadWall2R1C();
    ExpectRow(s.RadialLoad, 1, {196, 196, 196});
    ExpectRow(s.RadialLoad, 2, {-196, -196, -196});
    ExpectRow(s.LateralLoad, 1, {-490, -490, -490});
    ExpectRow(s.LateralLoad, 2, {-490, -490, -490});
    ExpectRow(s.EquivalentLoad, 1, {5736, 5586, 5936});
    ExpectRow(s.EquivalentLoad, 2, {5736, 5586, 5936});
}

}  // namespace
