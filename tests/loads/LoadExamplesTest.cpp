// Hand-worked cases of the horizontal and vertical installations, including
// the cases where acceleration and deceleration must differ from uniform
// speed by the inertia forces alone.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/CalculationState.h"
#include "loads/LoadProcedures.h"

namespace {

enum Table { PR, PT, PE };

struct Expect {
    Table table;
    int phase;                   // 1..3, or 0 for all three phases
    std::vector<double> values;  // carriages 1..n
};

struct Example {
    const char* name;
    LoadProcedure procedure;
    std::function<void(CalculationState&)> setup;
    std::vector<Expect> expect;
};

CalculationState::LoadTable& TableOf(CalculationState& s, Table t) {
    return t == PR ? s.RadialLoad : t == PT ? s.LateralLoad : s.EquivalentLoad;
}

void ExpectRelativelyNear(double actual, double expected) {
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::abs(expected)));
}

// Ratings that leave every equivalent-load term defined; cases that test the
// terms set their own.
void Ratings(CalculationState& s) {
    s.StaticLoadRating = 10;
    s.PitchingMomentRating = 0.2;
    s.YawingMomentRating = 0.2;
    s.RollingMomentRating = 0.25f;
}

const Example kExamples[] = {
    // Horizontal, one rail.
    {"one carriage: pitching moment in the equivalent load",
     LoadHorizontal1R1C,
     [](CalculationState& s) {
         Ratings(s);
         s.Mass1 = 5, s.GravityX1 = 100;
     },
     {{PR, 0, {49}}, {PT, 0, {0}}, {PE, 0, {294}}}},
    {"one carriage: deceleration takes its own yawing moment",
     LoadHorizontal1R1C,
     [](CalculationState& s) {
         Ratings(s);
         s.Acceleration = 2;
         s.Mass1 = 10, s.GravityY1 = 100;
         s.LoadFy = 10, s.LoadPointX5 = 100;
     },
     {{PR, 0, {98}}, {PT, 0, {98}}, {PE, 1, {1178}}, {PE, 2, {1078}}, {PE, 3, {978}}}},
    {"one carriage: fx measured from the origin in every phase",
     LoadHorizontal1R1C,
     [](CalculationState& s) {
         Ratings(s);
         s.ThrustPointY0 = 30, s.ThrustPointZ0 = 20;
         s.LoadFx = 10, s.LoadPointY4 = 40, s.LoadPointZ4 = 50;
     },
     // MP = 4900, MY = -3920: 0 + 0 + 0.01 * (4900 + 3920) / 0.2
     {{PR, 0, {0}}, {PT, 0, {0}}, {PE, 0, {441}}}},
    {"two carriages, mass at the origin",
     LoadHorizontal1R2C,
     [](CalculationState& s) {
         Ratings(s);
         s.CarriageSpanL1 = 200;
         s.Mass1 = 50;
     },
     {{PR, 0, {245, 245}}, {PT, 0, {0, 0}}, {PE, 0, {245, 245}}}},
    {"three carriages, mass at the origin",
     LoadHorizontal1R3C,
     [](CalculationState& s) {
         Ratings(s);
         s.CarriageSpanL1 = 200;
         s.Mass1 = 50;
     },
     {{PR, 0, {490.0 / 3, 490.0 / 3, 490.0 / 3}}, {PE, 0, {490.0 / 3, 490.0 / 3, 490.0 / 3}}}},
    {"two carriages, pitching mass",
     LoadHorizontal1R2C,
     [](CalculationState& s) {
         Ratings(s);
         s.CarriageSpanL1 = 200;
         s.Mass1 = 10, s.GravityX1 = 100;
     },
     {{PR, 0, {0, 98}}}},
    {"two carriages, yawing fy: deceleration not mirrored",
     LoadHorizontal1R2C,
     [](CalculationState& s) {
         Ratings(s);
         s.CarriageSpanL1 = 200;
         s.Mass1 = 10;
         s.LoadFy = 10, s.LoadPointX5 = 100;
     },
     {{PT, 0, {0, 98}}}},
    {"two carriages, rolling moment against the 32-bit rating",
     LoadHorizontal1R2C,
     [](CalculationState& s) {
         Ratings(s);
         s.RollingMomentRating = 0.1f;
         s.CarriageSpanL1 = 200;
         s.Mass1 = 10, s.GravityY1 = 100;
     },
     {{PE,
       0,
       {49 + 10.0 / 2000 * 9800 / static_cast<double>(0.1f), 49 + 10.0 / 2000 * 9800 / static_cast<double>(0.1f)}}}},
    {"four carriages, pitching mass",
     LoadHorizontal1R4C,
     [](CalculationState& s) {
         Ratings(s);
         s.CarriageSpanL1 = 100, s.CarriageSpanL1b = 300;  // D = 100000
         s.Mass1 = 10, s.GravityX1 = 100;                  // MP = 9800
     },
     {{PR, 0, {24.5 - 29.4, 24.5 - 9.8, 24.5 + 9.8, 24.5 + 29.4}}}},

    // Horizontal, two rails.
    {"two per rail, inertia pitching",
     LoadHorizontal2R2C,
     [](CalculationState& s) {
         s.CarriageSpanL1 = 200, s.RailSpanL2 = 300;
         s.Acceleration = 2;
         s.Mass1 = 100, s.GravityZ1 = 100;
     },
     {{PR, 2, {245, 245, 245, 245}},
      {PR, 1, {295, 195, 195, 295}},
      {PR, 3, {195, 295, 295, 195}},
      {PT, 0, {0, 0, 0, 0}},
      {PE, 1, {295, 195, 195, 295}}}},
    {"two per rail, fx without acceleration: all phases alike",
     LoadHorizontal2R2C,
     [](CalculationState& s) {
         s.CarriageSpanL1 = 200, s.RailSpanL2 = 300;
         s.Mass1 = 100;
         s.LoadFx = 10, s.LoadPointZ4 = 50;
     },
     {{PR, 0, {232.75, 257.25, 257.25, 232.75}}}},
    {"two per rail, rolling mass",
     LoadHorizontal2R2C,
     [](CalculationState& s) {
         s.CarriageSpanL1 = 200, s.RailSpanL2 = 300;
         s.Mass1 = 100, s.GravityY1 = 60;  // MR = 58800, share 98
     },
     {{PR, 0, {147, 147, 343, 343}}}},
    {"three per rail, pitching mass spares the middle",
     LoadHorizontal2R3C,
     [](CalculationState& s) {
         s.CarriageSpanL1 = 200, s.RailSpanL2 = 300;
         s.Mass1 = 60, s.GravityX1 = 100;  // MP = 58800, share 147
     },
     {{PR, 0, {98 - 147, 98, 98 + 147, 98 + 147, 98, 98 - 147}}}},
    {"four per rail, mass at the origin",
     LoadHorizontal2R4C,
     [](CalculationState& s) {
         s.CarriageSpanL1 = 200, s.CarriageSpanL1b = 400, s.RailSpanL2 = 300;
         s.Mass1 = 80;
     },
     {{PR, 0, {98, 98, 98, 98, 98, 98, 98, 98}}, {PT, 0, {0, 0, 0, 0, 0, 0, 0, 0}}}},
    {"four per rail, fz lifts the mass",
     LoadHorizontal2R4C,
     [](CalculationState& s) {
         s.CarriageSpanL1 = 200, s.CarriageSpanL1b = 400, s.RailSpanL2 = 300;
         s.Mass1 = 80, s.LoadFz = 80;
     },
     {{PR, 0, {0, 0, 0, 0, 0, 0, 0, 0}}}},
    {"four per rail, fy at the middle",
     LoadHorizontal2R4C,
     [](CalculationState& s) {
         s.CarriageSpanL1 = 200, s.CarriageSpanL1b = 400, s.RailSpanL2 = 300;
         s.Mass1 = 80, s.LoadFy = 8;
     },
     {{PT, 0, {9.8, 9.8, 9.8, 9.8, 9.8, 9.8, 9.8, 9.8}}}},
    {"one per rail, inertia in the equivalent load",
     LoadHorizontal2R1C,
     [](CalculationState& s) {
         s.RailSpanL2 = 300;
         s.StaticLoadRating = 20, s.PitchingMomentRating = 0.2, s.YawingMomentRating = 0.2;
         s.Acceleration = 2;
         s.Mass1 = 100, s.GravityZ1 = 100;
     },
     {{PR, 0, {490, 490}}, {PT, 0, {0, 0}}, {PE, 2, {490, 490}}, {PE, 1, {1490, 1490}}, {PE, 3, {1490, 1490}}}},

    // Vertical, one rail.
    {"vertical two carriages, mass with inertia",
     LoadVertical1R2C,
     [](CalculationState& s) {
         Ratings(s);
         s.ThrustPointY0 = 30, s.ThrustPointZ0 = -20;
         s.CarriageSpanL1 = 200;
         s.Acceleration = 2;
         s.Mass1 = 10, s.GravityX1 = 130, s.GravityZ1 = 30;
     },
     {{PR, 1, {29.5, -29.5}},
      {PR, 2, {24.5, -24.5}},
      {PR, 3, {19.5, -19.5}},
      {PT, 1, {-59, 59}},
      {PT, 2, {-49, 49}},
      {PT, 3, {-39, 39}},
      {PE, 1, {88.5, 88.5}},
      {PE, 2, {73.5, 73.5}},
      {PE, 3, {58.5, 58.5}}}},
    {"vertical one carriage, mass with inertia",
     LoadVertical1R1C,
     [](CalculationState& s) {
         Ratings(s);
         s.StaticLoadRating = 20, s.PitchingMomentRating = 0.1, s.YawingMomentRating = 0.1;
         s.ThrustPointY0 = 30, s.ThrustPointZ0 = -20;
         s.Acceleration = 2;
         s.Mass1 = 10, s.GravityX1 = 130, s.GravityZ1 = 30;
     },
     {{PR, 0, {0}}, {PT, 0, {0}}, {PE, 1, {3540}}, {PE, 2, {2940}}, {PE, 3, {2340}}}},
    {"vertical two carriages, fz at the thrust point",
     LoadVertical1R2C,
     [](CalculationState& s) {
         Ratings(s);
         s.ThrustPointY0 = 30;
         s.CarriageSpanL1 = 200;
         s.LoadFz = 10, s.LoadPointX6 = 30;
     },
     {{PR, 0, {-49, -49}}, {PT, 0, {0, 0}}, {PE, 0, {49, 49}}}},
    {"vertical three carriages, rolling about the thrust point",
     LoadVertical1R3C,
     [](CalculationState& s) {
         Ratings(s);
         s.ThrustPointY0 = 30, s.ThrustPointZ0 = 10;
         s.CarriageSpanL1 = 200;
         s.LoadFx = 10, s.LoadPointZ4 = 60;  // MR = 4900, term 10/3000 * 4900/0.25
     },
     {{PT, 0, {98.0 / 3, 98.0 / 3, 98.0 / 3}}, {PE, 0, {98, 98, 98}}}},

    // Vertical, two rails.
    {"vertical two per rail, pitching mass with inertia",
     LoadVertical2R2C,
     [](CalculationState& s) {
         s.ThrustPointY0 = 30, s.ThrustPointZ0 = -20;
         s.CarriageSpanL1 = 200, s.RailSpanL2 = 300;
         s.Acceleration = 2;
         s.Mass1 = 50, s.GravityX1 = 30, s.GravityZ1 = 80;
     },
     {{PR, 2, {122.5, -122.5, -122.5, 122.5}},
      {PR, 1, {147.5, -147.5, -147.5, 147.5}},
      {PR, 3, {97.5, -97.5, -97.5, 97.5}},
      {PT, 0, {0, 0, 0, 0}},
      {PE, 2, {122.5, 122.5, 122.5, 122.5}}}},
    {"vertical two per rail, yawing mass",
     LoadVertical2R2C,
     [](CalculationState& s) {
         s.ThrustPointY0 = 30, s.ThrustPointZ0 = -20;
         s.CarriageSpanL1 = 200, s.RailSpanL2 = 300;
         s.Mass1 = 50, s.GravityX1 = 130, s.GravityZ1 = -20;
     },
     {{PR, 0, {0, 0, 0, 0}}, {PT, 0, {-122.5, 122.5, 122.5, -122.5}}}},
    {"vertical one per rail, fz rolls about the origin",
     LoadVertical2R1C,
     [](CalculationState& s) {
         Ratings(s);
         s.ThrustPointY0 = 30;
         s.RailSpanL2 = 100;
         s.LoadFz = 10, s.LoadPointX6 = 50;
     },
     {{PR, 0, {-98, 0}}, {PT, 0, {0, 0}}, {PE, 0, {98, 0}}}},
    {"vertical one per rail, pitching in the equivalent load",
     LoadVertical2R1C,
     [](CalculationState& s) {
         Ratings(s);
         s.ThrustPointY0 = 30, s.ThrustPointZ0 = -20;
         s.RailSpanL2 = 100;
         s.Mass1 = 5, s.GravityX1 = 30, s.GravityZ1 = 80;
     },
     {{PR, 0, {0, 0}}, {PT, 0, {0, 0}}, {PE, 0, {122.5, 122.5}}}},
    {"vertical three per rail, middle carriages",
     LoadVertical2R3C,
     [](CalculationState& s) {
         s.CarriageSpanL1 = 200, s.RailSpanL2 = 100;
         s.LoadFz = 10, s.LoadPointX6 = 50;  // MR = -4900, share -4900/300
         s.LoadFx = 6, s.Mass1 = 10, s.GravityZ1 = 100;
     },
     {{PR,
       0,
       {-98.0 / 6 + 9800.0 / 400 - 4900.0 / 300, -98.0 / 6 - 4900.0 / 300, -98.0 / 6 - 9800.0 / 400 - 4900.0 / 300,
        -98.0 / 6 - 9800.0 / 400 + 4900.0 / 300, -98.0 / 6 + 4900.0 / 300, -98.0 / 6 + 9800.0 / 400 + 4900.0 / 300}},
      {PT, 0, {9.8, 9.8, 9.8, 9.8, 9.8, 9.8}}}},
    {"vertical four per rail, pitching mass",
     LoadVertical2R4C,
     [](CalculationState& s) {
         s.CarriageSpanL1 = 200, s.CarriageSpanL1b = 400, s.RailSpanL2 = 300;
         s.Mass1 = 10, s.GravityZ1 = 100;
     },
     {{PR, 0, {9.8, 4.9, -4.9, -9.8, -9.8, -4.9, 4.9, 9.8}}}},
};

class LoadExample : public testing::TestWithParam<Example> {};

TEST_P(LoadExample, FillsTheTablesAsWorkedByHand) {
    const Example& e = GetParam();
    CalculationState& s = state();
    s = CalculationState{};
    e.setup(s);
    e.procedure();
    for (const Expect& x : e.expect) {
        for (int j = 1; j <= 3; ++j) {
            if (x.phase != 0 && x.phase != j) continue;
            for (std::size_t k = 0; k < x.values.size(); ++k) {
                SCOPED_TRACE("table " + std::to_string(x.table) + " carriage " + std::to_string(k + 1) + " phase " +
                             std::to_string(j));
                ExpectRelativelyNear(TableOf(s, x.table)[k + 1][j], x.values[k]);
            }
        }
    }
    s = CalculationState{};
}

std::string ExampleName(const testing::TestParamInfo<Example>& info) {
    std::string name = std::to_string(info.index) + "_";
    for (const char* c = info.param.name; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(HandWorked, LoadExample, testing::ValuesIn(kExamples), ExampleName);

}  // namespace
