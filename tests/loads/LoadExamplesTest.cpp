// Hand-worked cases of the horizontal and vertical installations, including
// those where acceleration and deceleration must differ from uniform speed by
// the inertia forces alone.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/CalculationState.h"
#include "loads/LoadProcedures.h"

namespace {

using S = CalculationState;
enum Table { PR, PT, PE };

struct Expect {
    Table table;
    int phase;                   // 1..3, or 0 for all three phases
    std::vector<double> values;  // carriages 1..n
};

struct Example {
    const char* name;
    LoadProcedure procedure;
    std::vector<std::pair<double S::*, double>> inputs;  // on top of C0 10, MP0 = MY0 0.2, MR0 0.25
    std::vector<Expect> expect;
};

// clang-format off
const Example kExamples[] = {
    // Horizontal, one rail.
    {"one carriage, pitching mass", LoadHorizontal1R1C, {{&S::Mass1, 5}, {&S::GravityX1, 100}},
     {{PR, 0, {49}}, {PT, 0, {0}}, {PE, 0, {294}}}},
    {"one carriage, deceleration takes its own yawing moment", LoadHorizontal1R1C,
     {{&S::Acceleration, 2}, {&S::Mass1, 10}, {&S::GravityY1, 100}, {&S::LoadFy, 10}, {&S::LoadPointX5, 100}},
     {{PR, 0, {98}}, {PT, 0, {98}}, {PE, 1, {1178}}, {PE, 2, {1078}}, {PE, 3, {978}}}},
    {"one carriage, fx arms from the origin in every phase", LoadHorizontal1R1C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, 20}, {&S::LoadFx, 10}, {&S::LoadPointY4, 40}, {&S::LoadPointZ4, 50}},
     {{PR, 0, {0}}, {PT, 0, {0}}, {PE, 0, {441}}}},  // 0.01 * (4900 + 3920) / 0.2
    {"two carriages, pitching mass", LoadHorizontal1R2C,
     {{&S::CarriageSpanL1, 200}, {&S::Mass1, 10}, {&S::GravityX1, 100}}, {{PR, 0, {0, 98}}}},
    {"two carriages, fy yawing: deceleration not mirrored", LoadHorizontal1R2C,
     {{&S::CarriageSpanL1, 200}, {&S::Mass1, 10}, {&S::LoadFy, 10}, {&S::LoadPointX5, 100}}, {{PT, 0, {0, 98}}}},
    {"three carriages, rolling mass", LoadHorizontal1R3C,
     {{&S::CarriageSpanL1, 200}, {&S::Mass1, 30}, {&S::GravityY1, 100}},  // MR 29400 -> 10/3000 * 117600
     {{PR, 0, {98, 98, 98}}, {PE, 0, {98 + 392, 98 + 392, 98 + 392}}}},
    {"four carriages, pitching mass", LoadHorizontal1R4C,
     {{&S::CarriageSpanL1, 100}, {&S::CarriageSpanL1b, 300}, {&S::Mass1, 10}, {&S::GravityX1, 100}},
     {{PR, 0, {24.5 - 29.4, 24.5 - 9.8, 24.5 + 9.8, 24.5 + 29.4}}}},
    // Horizontal, two rails.
    {"two per rail, inertia pitching", LoadHorizontal2R2C,
     {{&S::CarriageSpanL1, 200}, {&S::RailSpanL2, 300}, {&S::Acceleration, 2}, {&S::Mass1, 100}, {&S::GravityZ1, 100}},
     {{PR, 2, {245, 245, 245, 245}}, {PR, 1, {295, 195, 195, 295}}, {PR, 3, {195, 295, 295, 195}},
      {PT, 0, {0, 0, 0, 0}}, {PE, 1, {295, 195, 195, 295}}}},
    {"two per rail, fx without acceleration: phases alike", LoadHorizontal2R2C,
     {{&S::CarriageSpanL1, 200}, {&S::RailSpanL2, 300}, {&S::Mass1, 100}, {&S::LoadFx, 10}, {&S::LoadPointZ4, 50}},
     {{PR, 0, {232.75, 257.25, 257.25, 232.75}}}},
    {"two per rail, rolling mass", LoadHorizontal2R2C,
     {{&S::CarriageSpanL1, 200}, {&S::RailSpanL2, 300}, {&S::Mass1, 100}, {&S::GravityY1, 60}},
     {{PR, 0, {147, 147, 343, 343}}}},
    {"three per rail, pitching mass spares the middle", LoadHorizontal2R3C,
     {{&S::CarriageSpanL1, 200}, {&S::RailSpanL2, 300}, {&S::Mass1, 60}, {&S::GravityX1, 100}},
     {{PR, 0, {98 - 147, 98, 98 + 147, 98 + 147, 98, 98 - 147}}}},
    {"four per rail, fz lifts the mass, fy at the middle", LoadHorizontal2R4C,
     {{&S::CarriageSpanL1, 200}, {&S::CarriageSpanL1b, 400}, {&S::RailSpanL2, 300}, {&S::Mass1, 80}, {&S::LoadFz, 40},
      {&S::LoadFy, 8}},
     {{PR, 0, {49, 49, 49, 49, 49, 49, 49, 49}}, {PT, 0, {9.8, 9.8, 9.8, 9.8, 9.8, 9.8, 9.8, 9.8}}}},
    {"one per rail, inertia in the equivalent load", LoadHorizontal2R1C,
     {{&S::RailSpanL2, 300}, {&S::StaticLoadRating, 20}, {&S::Acceleration, 2}, {&S::Mass1, 100}, {&S::GravityZ1, 100}},
     {{PR, 0, {490, 490}}, {PT, 0, {0, 0}}, {PE, 2, {490, 490}}, {PE, 1, {1490, 1490}}, {PE, 3, {1490, 1490}}}},
    // Vertical, one rail; the thrust point off the origin.
    {"vertical two carriages, mass with inertia", LoadVertical1R2C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, -20}, {&S::CarriageSpanL1, 200}, {&S::Acceleration, 2},
      {&S::Mass1, 10}, {&S::GravityX1, 130}, {&S::GravityZ1, 30}},
     {{PR, 1, {29.5, -29.5}}, {PR, 2, {24.5, -24.5}}, {PR, 3, {19.5, -19.5}},
      {PT, 1, {-59, 59}}, {PT, 2, {-49, 49}}, {PT, 3, {-39, 39}},
      {PE, 1, {88.5, 88.5}}, {PE, 2, {73.5, 73.5}}, {PE, 3, {58.5, 58.5}}}},
    {"vertical one carriage, mass with inertia", LoadVertical1R1C,
     {{&S::StaticLoadRating, 20}, {&S::PitchingMomentRating, 0.1}, {&S::YawingMomentRating, 0.1},
      {&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, -20}, {&S::Acceleration, 2},
      {&S::Mass1, 10}, {&S::GravityX1, 130}, {&S::GravityZ1, 30}},
     {{PR, 0, {0}}, {PT, 0, {0}}, {PE, 1, {3540}}, {PE, 2, {2940}}, {PE, 3, {2340}}}},
    {"vertical two carriages, fz at the thrust point", LoadVertical1R2C,
     {{&S::ThrustPointY0, 30}, {&S::CarriageSpanL1, 200}, {&S::LoadFz, 10}, {&S::LoadPointX6, 30}},
     {{PR, 0, {-49, -49}}, {PT, 0, {0, 0}}, {PE, 0, {49, 49}}}},
    {"vertical three carriages, rolling about the thrust point", LoadVertical1R3C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, 10}, {&S::CarriageSpanL1, 200}, {&S::LoadFx, 10},
      {&S::LoadPointZ4, 60}},  // MR 4900 -> 10/3000 * 19600
     {{PT, 0, {98.0 / 3, 98.0 / 3, 98.0 / 3}}, {PE, 0, {98, 98, 98}}}},
    // Vertical, two rails.
    {"vertical two per rail, pitching mass with inertia", LoadVertical2R2C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, -20}, {&S::CarriageSpanL1, 200}, {&S::RailSpanL2, 300},
      {&S::Acceleration, 2}, {&S::Mass1, 50}, {&S::GravityX1, 30}, {&S::GravityZ1, 80}},
     {{PR, 2, {122.5, -122.5, -122.5, 122.5}}, {PR, 1, {147.5, -147.5, -147.5, 147.5}},
      {PR, 3, {97.5, -97.5, -97.5, 97.5}}, {PT, 0, {0, 0, 0, 0}}, {PE, 2, {122.5, 122.5, 122.5, 122.5}}}},
    {"vertical two per rail, yawing mass", LoadVertical2R2C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, -20}, {&S::CarriageSpanL1, 200}, {&S::RailSpanL2, 300},
      {&S::Mass1, 50}, {&S::GravityX1, 130}, {&S::GravityZ1, -20}},
     {{PR, 0, {0, 0, 0, 0}}, {PT, 0, {-122.5, 122.5, 122.5, -122.5}}}},
    {"vertical one per rail, fz rolls about the origin", LoadVertical2R1C,
     {{&S::ThrustPointY0, 30}, {&S::RailSpanL2, 100}, {&S::LoadFz, 10}, {&S::LoadPointX6, 50}},
     {{PR, 0, {-98, 0}}, {PT, 0, {0, 0}}, {PE, 0, {98, 0}}}},
    {"vertical one per rail, pitching in the equivalent load", LoadVertical2R1C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, -20}, {&S::RailSpanL2, 100}, {&S::Mass1, 5}, {&S::GravityX1, 30},
      {&S::GravityZ1, 80}},
     {{PR, 0, {0, 0}}, {PT, 0, {0, 0}}, {PE, 0, {122.5, 122.5}}}},
    {"vertical four per rail, pitching mass", LoadVertical2R4C,
     {{&S::CarriageSpanL1, 200}, {&S::CarriageSpanL1b, 400}, {&S::RailSpanL2, 300}, {&S::Mass1, 10},
      {&S::GravityZ1, 100}},
     {{PR, 0, {9.8, 4.9, -4.9, -9.8, -9.8, -4.9, 4.9, 9.8}}}},
};
// clang-format on

void PrintTo(const Example& p, std::ostream* os) { *os << p.name; }

class LoadExample : public testing::TestWithParam<Example> {};

TEST_P(LoadExample, FillsTheTablesAsWorkedByHand) {
    const Example& e = GetParam();
    S& s = state();
    s = S{};
    s.StaticLoadRating = 10, s.PitchingMomentRating = 0.2, s.YawingMomentRating = 0.2, s.RollingMomentRating = 0.25f;
    for (const auto& [field, value] : e.inputs) s.*field = value;
    e.procedure();
    for (const Expect& x : e.expect)
        for (int j = 1; j <= 3; ++j) {
            if (x.phase != 0 && x.phase != j) continue;
            const S::LoadTable& t = x.table == PR ? s.RadialLoad : x.table == PT ? s.LateralLoad : s.EquivalentLoad;
            for (std::size_t i = 1; i <= x.values.size(); ++i)
                EXPECT_NEAR(t[i][j], x.values[i - 1], 1e-9 * std::max(1.0, std::abs(x.values[i - 1])))
                    << "PR PT PE"[3 * x.table] << "PR PT PE"[3 * x.table + 1] << "(" << i << "," << j << ")";
        }
    s = S{};
}

std::string ExampleName(const testing::TestParamInfo<Example>& info) {
    std::string name = std::to_string(info.index) + "_";
    for (const char* c = info.param.name; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(HandWorked, LoadExample, testing::ValuesIn(kExamples), ExampleName);

}  // namespace
