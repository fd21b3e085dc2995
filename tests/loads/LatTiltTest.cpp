// Worked cases of the laterally tilted installation.

#include "loads/LongTilt.h"

#include <gtest/gtest.h>

#include "WallAndTiltTestSupport.h"

namespace {

using loadtest::Column3;
using loadtest::ExpectRow;
using loadtest::FreshState;
using loadtest::Near;

TEST(LatTilt, OneRailTwoCarriagesWorkedCase) {
    CalculationState& s = FreshState();
    s.InclinationAngle = 30;
    s.Acceleration = 2;
    loadtest::PlaceMass1(s, 100, 50, 20, 30);
    s.CarriageSpanL1 = 200;
    s.StaticLoadRating = 30;
    s.RollingMomentRating = 0.5f;
    LoadLatTilt1R2C();
    ExpectRow(s.RadialLoad, 1, {242.176222142, 212.176222142, 182.176222142});
    ExpectRow(s.RadialLoad, 2, {606.528666427, 636.528666427, 666.528666427});
    ExpectRow(s.LateralLoad, 1, {-142.500003092, -122.500003092, -102.500003092});
    ExpectRow(s.LateralLoad, 2, {-347.500009275, -367.500009275, -387.500009275});
    ExpectRow(s.EquivalentLoad, 1, {452.899147246, 402.899147246, 352.899147246});
    ExpectRow(s.EquivalentLoad, 2, {1022.25159771, 1072.25159771, 1122.25159771});
    EXPECT_TRUE(Near(s.RollingMoment, 2274.097400403749));
    EXPECT_TRUE(Near(s.PitchingMoment, 48435.244428461134));
    EXPECT_TRUE(Near(s.YawingMoment, 28500.000618301176));
}

TEST(LatTilt, TwoRailsTwoCarriagesWorkedCase) {
    CalculationState& s = FreshState();
    s.InclinationAngle = 30;
    loadtest::PlaceMass1(s, 50, 100, 40, 60);
    s.LoadFx = 10;
    s.LoadPointY4 = 20;
    s.LoadPointZ4 = 50;
    s.ThrustPointZ0 = 10;
    s.Acceleration = 2;
    s.CarriageSpanL1 = 200;
    s.RailSpanL2 = 300;
    LoadLatTilt2R2C();
    const Column3 radial[] = {{-1.09016233401, -13.590162334, -26.090162334},
                              {205.686059808, 218.186059808, 230.686059808},
                              {213.266384476, 225.766384476, 238.266384476},
                              {6.49016233401, -6.00983766599, -18.509837666}};
    const Column3 lateral[] = {{-5.1, 4.9, 14.9},
                               {-117.400003092, -127.400003092, -137.400003092},
                               {-117.400003092, -127.400003092, -137.400003092},
                               {-5.1, 4.9, 14.9}};
    // The small loads come from cancelling terms of a few hundred newtons.
    for (int i = 1; i <= 4; ++i) {
        ExpectRow(s.RadialLoad, i, radial[i - 1], 300);
        ExpectRow(s.LateralLoad, i, lateral[i - 1], 300);
    }
    EXPECT_TRUE(Near(s.EquivalentLoad[1][2], 13.590162334 + 4.9, 300));
    for (int i = 5; i <= 8; ++i)
        for (int j = 1; j <= 3; ++j) EXPECT_EQ(s.RadialLoad[i][j], 0.0);
}

// A push up the slope equal to the downhill weight, at the mass's own point,
// leaves the carriages with no lateral load and no rolling or yawing share.
TEST(LatTilt, FyUphillBalancesTheDownhillWeight) {
    for (const auto& p : loadtest::kWallAndTilted) {
        if (p.installation != 4) continue;
        SCOPED_TRACE(p.name);
        CalculationState& s = FreshState();
        s.InclinationAngle = 30;
        s.Mass1 = 100;
        s.GravityX1 = 40;
        s.GravityZ1 = 60;
        s.LoadFy = 100 * InclinationSine(s);
        s.LoadPointX5 = 40;
        s.LoadPointZ5 = 60;
        p.run();
        const int N = loadtest::CarriagesOf(p.combination);
        for (int i = 1; i <= N; ++i)
            for (int j = 1; j <= 3; ++j) EXPECT_TRUE(Near(s.LateralLoad[i][j], 0, 1000)) << i << "," << j;
        EXPECT_TRUE(Near(s.RollingMoment, 0, 1e5));
        EXPECT_TRUE(Near(s.YawingMoment, 0, 1e5));
    }
}

}  // namespace
