// Worked cases of the longitudinally tilted installation and of the
// inclination as the tilted installations form it.

#include "loads/LongTilt.h"

#include <gtest/gtest.h>

#include "WallAndTiltTestSupport.h"

namespace {

using loadtest::Column3;
using loadtest::ExpectRow;
using loadtest::FreshState;
using loadtest::Near;

TEST(Inclination, FormedFromThe32BitAngleAndPi) {
    struct Case {
        float theta;
        double cosine, sine;
    };
    const Case cases[] = {
        {0, 1, 0},
        {30, 0.8660253964992068, 0.5000000126183913},
        {-30, 0.8660253964992068, -0.5000000126183913},
        {90, -4.371139000186241e-08, 0.999999999999999},
        {-90, -4.371139000186241e-08, -0.999999999999999},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.theta);
        CalculationState& s = FreshState();
        s.InclinationAngle = c.theta;
        // Not the true cosine and sine: those would miss by far more than
        // the tolerance (0.5 instead of 0.5000000126, 0 instead of -4.37e-8).
        EXPECT_TRUE(Near(InclinationCosine(s), c.cosine, 1e-7));
        EXPECT_TRUE(Near(InclinationSine(s), c.sine, 1e-7));
    }
    CalculationState& s = FreshState();
    s.InclinationAngle = 90;
    EXPECT_LT(InclinationCosine(s), -4.37e-8);
    EXPECT_LT(InclinationSine(s), 1.0);
}

TEST(LongTilt, AtNinetyDegreesTheWeightLeavesATinyNegativeRadialLoad) {
    CalculationState& s = FreshState();
    s.InclinationAngle = 90;
    s.Mass1 = 50;
    LoadLongTilt1R1C();
    for (int j = 1; j <= 3; ++j) {
        EXPECT_LT(s.RadialLoad[1][j], 0.0);
        EXPECT_NEAR(s.RadialLoad[1][j], 490 * -4.371139e-8, 1e-12);
    }
}

// 100 kg at (50, 20, 100) mm on a 30 degree slope, accelerated at 2 m/s².
CalculationState& SlopedMass() {
    CalculationState& s = FreshState();
    s.InclinationAngle = 30;
    s.Acceleration = 2;
    loadtest::PlaceMass1(s, 100, 50, 20, 100);
    s.CarriageSpanL1 = 200;
    s.RailSpanL2 = 300;
    return s;
}

TEST(LongTilt, TwoRailsTwoCarriagesWorkedCase) {
    CalculationState& s = SlopedMass();
    LoadLongTilt2R2C();

    const Column3 radial[] = {{250.29795121, 200.29795121, 150.29795121},
                              {117.47416717, 167.47416717, 217.47416717},
                              {174.054493074, 224.054493074, 274.054493074},
                              {306.878277115, 256.878277115, 206.878277115}};
    const double t1 = 34.5000006183, t2 = 24.5000006183, t3 = 14.5000006183;
    const Column3 lateral[] = {{-t1, -t2, -t3}, {t1, t2, t3}, {t1, t2, t3}, {-t1, -t2, -t3}};
    for (int i = 1; i <= 4; ++i) {
        ExpectRow(s.RadialLoad, i, radial[i - 1]);
        ExpectRow(s.LateralLoad, i, lateral[i - 1]);
        for (int j = 1; j <= 3; ++j)
            EXPECT_TRUE(Near(s.EquivalentLoad[i][j], std::abs(s.RadialLoad[i][j]) + std::abs(s.LateralLoad[i][j])));
    }
}

TEST(LongTilt, TwoRailsOneCarriageEachWorkedCase) {
    CalculationState& s = SlopedMass();
    s.StaticLoadRating = 20;
    s.PitchingMomentRating = 0.3;
    s.YawingMomentRating = 0.3;
    LoadLongTilt2R1C();
    ExpectRow(s.RadialLoad, 1, {367.77211838, 367.77211838, 367.77211838});
    ExpectRow(s.RadialLoad, 2, {480.932770189, 480.932770189, 480.932770189});
    ExpectRow(s.LateralLoad, 1, {0, 0, 0});
    ExpectRow(s.EquivalentLoad, 1, {1713.26402023, 913.264020229, 1008.94689969});
    ExpectRow(s.EquivalentLoad, 2, {1826.42467204, 1026.42467204, 1122.1075515});
}

// fz pitches the table at its own point X6; the point of fy is not its arm.
TEST(LongTilt, FzPitchesAtItsOwnPointAndLifts) {
    struct Case {
        double X5, X6;
        double pr1, pr2;
    };
    // L1 = 200 mm: fz = 10 kgf lifting over carriage 2 (X6 = 100) or 1.
    const Case cases[] = {{0, 100, 0, -98}, {100, -100, -98, 0}, {-100, 0, -49, -49}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "X5 " << c.X5 << " X6 " << c.X6);
        CalculationState& s = FreshState();
        s.InclinationAngle = 20;
        s.LoadFz = 10;
        s.LoadPointX5 = c.X5;
        s.LoadPointX6 = c.X6;
        LoadLongTilt1R2C();
        ExpectRow(s.RadialLoad, 1, {c.pr1, c.pr1, c.pr1}, 100);
        ExpectRow(s.RadialLoad, 2, {c.pr2, c.pr2, c.pr2}, 100);
    }
}

}  // namespace
