#pragma once

// Shared by the tests of the wall and tilted installations: a clean state
// with catalogue-like ratings, and comparisons with a relative tolerance.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/CalculationState.h"
#include "loads/LoadProcedures.h"

namespace loadtest {

inline constexpr double kRelative = 1e-9;

// A fresh state as the calculation step leaves it just before the call: the
// tables cleared, Pi stored, ratings and spans from a plausible guideway.
inline CalculationState& FreshState() {
    CalculationState& s = state();
    s = CalculationState{};
    s.Pi = 3.1415927f;
    s.StaticLoadRating = 20.0;
    s.PitchingMomentRating = 0.3;
    s.YawingMomentRating = 0.3;
    s.RollingMomentRating = 0.5f;
    s.CarriageSpanL1 = 200.0;
    s.CarriageSpanL1b = 300.0;
    s.RailSpanL2 = 300.0;
    return s;
}

// The first mass and its gravity point.
inline void PlaceMass1(CalculationState& s, double m, double x, double y, double z) {
    s.Mass1 = m;
    s.GravityX1 = x;
    s.GravityY1 = y;
    s.GravityZ1 = z;
}

// |actual - expected| within kRelative of the larger of |expected| and
// `scale` (the size of the loads being compared, for values near zero).
inline ::testing::AssertionResult Near(double actual, double expected, double scale = 1.0) {
    const double tolerance = kRelative * std::max(std::abs(expected), scale);
    if (std::abs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual " << actual << " expected " << expected << " (tolerance "
                                         << tolerance << ")";
}

// Carriages per combination index.
inline int CarriagesOf(int combination) { return combination < 4 ? combination + 1 : 2 * (combination - 3); }

struct Procedure {
    const char* name;
    LoadProcedure run;
    int installation;  // 2 wall, 3 longitudinally tilted, 4 laterally tilted
    int combination;
};

inline constexpr Procedure kWallAndTilted[] = {
    {"LoadWall1R1C", LoadWall1R1C, 2, 0},         {"LoadWall1R2C", LoadWall1R2C, 2, 1},
    {"LoadWall1R3C", LoadWall1R3C, 2, 2},         {"LoadWall1R4C", LoadWall1R4C, 2, 3},
    {"LoadWall2R1C", LoadWall2R1C, 2, 4},         {"LoadWall2R2C", LoadWall2R2C, 2, 5},
    {"LoadWall2R3C", LoadWall2R3C, 2, 6},         {"LoadWall2R4C", LoadWall2R4C, 2, 7},
    {"LoadLongTilt1R1C", LoadLongTilt1R1C, 3, 0}, {"LoadLongTilt1R2C", LoadLongTilt1R2C, 3, 1},
    {"LoadLongTilt1R3C", LoadLongTilt1R3C, 3, 2}, {"LoadLongTilt1R4C", LoadLongTilt1R4C, 3, 3},
    {"LoadLongTilt2R1C", LoadLongTilt2R1C, 3, 4}, {"LoadLongTilt2R2C", LoadLongTilt2R2C, 3, 5},
    {"LoadLongTilt2R3C", LoadLongTilt2R3C, 3, 6}, {"LoadLongTilt2R4C", LoadLongTilt2R4C, 3, 7},
    {"LoadLatTilt1R1C", LoadLatTilt1R1C, 4, 0},   {"LoadLatTilt1R2C", LoadLatTilt1R2C, 4, 1},
    {"LoadLatTilt1R3C", LoadLatTilt1R3C, 4, 2},   {"LoadLatTilt1R4C", LoadLatTilt1R4C, 4, 3},
    {"LoadLatTilt2R1C", LoadLatTilt2R1C, 4, 4},   {"LoadLatTilt2R2C", LoadLatTilt2R2C, 4, 5},
    {"LoadLatTilt2R3C", LoadLatTilt2R3C, 4, 6},   {"LoadLatTilt2R4C", LoadLatTilt2R4C, 4, 7},
};

// Expected loads of one carriage, phases 1 (acceleration), 2 (uniform), 3
// (deceleration).
struct Column3 {
    double acceleration, uniform, deceleration;
};

inline void ExpectRow(const CalculationState::LoadTable& table, int carriage, const Column3& expected,
                      double scale = 1.0) {
    EXPECT_TRUE(Near(table[carriage][1], expected.acceleration, scale)) << "carriage " << carriage << " phase 1";
    EXPECT_TRUE(Near(table[carriage][2], expected.uniform, scale)) << "carriage " << carriage << " phase 2";
    EXPECT_TRUE(Near(table[carriage][3], expected.deceleration, scale)) << "carriage " << carriage << " phase 3";
}

}  // namespace loadtest
