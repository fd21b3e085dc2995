// Hand-worked cases of the five installations, and the inclination as the
// tilted installations form it from the 32-bit angle and Pi.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "app/CalculationState.h"
#include "loads/LoadProcedures.h"
#include "loads/LongTilt.h"

namespace {

using S = CalculationState;
using Field = std::variant<double S::*, float S::*>;
enum Table { PR, PT, PE };

struct Expect {
    Table table;
    int phase;                   // 1..3, or 0 for all three phases
    std::vector<double> values;  // carriages 1..n
};

struct Example {
    const char* name;
    LoadProcedure procedure;
    std::vector<std::pair<Field, double>> inputs;  // on top of C0 10, MP0 = MY0 0.2, MR0 0.25, L1 200, L1' 300, L2 300
    std::vector<Expect> expect;
    double scale = 1;  // tolerance 1e-9 of max(|value|, scale)
};

// clang-format off
const Example kExamples[] = {
    {"one carriage, deceleration takes its own yawing moment", LoadHorizontal1R1C,
     {{&S::Acceleration, 2}, {&S::Mass1, 10}, {&S::GravityY1, 100}, {&S::LoadFy, 10}, {&S::LoadPointX5, 100}},
     {{PR, 0, {98}}, {PT, 0, {98}}, {PE, 1, {1178}}, {PE, 2, {1078}}, {PE, 3, {978}}}},
    {"one carriage, fx arms from the origin in every phase", LoadHorizontal1R1C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, 20}, {&S::LoadFx, 10}, {&S::LoadPointY4, 40}, {&S::LoadPointZ4, 50}},
     {{PR, 0, {0}}, {PT, 0, {0}}, {PE, 0, {441}}}},  // 0.01 * (4900 + 3920) / 0.2
    {"two carriages, fy yawing: deceleration not mirrored", LoadHorizontal1R2C,
     {{&S::Mass1, 10}, {&S::LoadFy, 10}, {&S::LoadPointX5, 100}}, {{PT, 0, {0, 98}}}},
    {"two per rail, inertia pitching", LoadHorizontal2R2C,
     {{&S::Acceleration, 2}, {&S::Mass1, 100}, {&S::GravityZ1, 100}},
     {{PR, 2, {245, 245, 245, 245}}, {PR, 1, {295, 195, 195, 295}}, {PR, 3, {195, 295, 295, 195}},
      {PT, 0, {0, 0, 0, 0}}}},
    {"two per rail, fx without acceleration: phases alike", LoadHorizontal2R2C,
     {{&S::Mass1, 100}, {&S::LoadFx, 10}, {&S::LoadPointZ4, 50}}, {{PR, 0, {232.75, 257.25, 257.25, 232.75}}}},
    {"one per rail, inertia in the equivalent load", LoadHorizontal2R1C,
     {{&S::StaticLoadRating, 20}, {&S::Acceleration, 2}, {&S::Mass1, 100}, {&S::GravityZ1, 100}},
     {{PR, 0, {490, 490}}, {PT, 0, {0, 0}}, {PE, 2, {490, 490}}, {PE, 1, {1490, 1490}}, {PE, 3, {1490, 1490}}}},
    {"vertical two carriages, mass with inertia", LoadVertical1R2C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, -20}, {&S::Acceleration, 2}, {&S::Mass1, 10}, {&S::GravityX1, 130},
      {&S::GravityZ1, 30}},
     {{PR, 1, {29.5, -29.5}}, {PR, 2, {24.5, -24.5}}, {PR, 3, {19.5, -19.5}}, {PT, 1, {-59, 59}}, {PT, 2, {-49, 49}},
      {PT, 3, {-39, 39}}}},
    {"vertical one carriage, mass with inertia", LoadVertical1R1C,
     {{&S::StaticLoadRating, 20}, {&S::PitchingMomentRating, 0.1}, {&S::YawingMomentRating, 0.1},
      {&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, -20}, {&S::Acceleration, 2}, {&S::Mass1, 10}, {&S::GravityX1, 130},
      {&S::GravityZ1, 30}},
     {{PR, 0, {0}}, {PT, 0, {0}}, {PE, 1, {3540}}, {PE, 2, {2940}}, {PE, 3, {2340}}}},
    {"vertical three carriages, rolling about the thrust point", LoadVertical1R3C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, 10}, {&S::LoadFx, 10}, {&S::LoadPointZ4, 60}},
     {{PT, 0, {98.0 / 3, 98.0 / 3, 98.0 / 3}}, {PE, 0, {98, 98, 98}}}},  // MR 4900 -> 10/3000 * 19600
    {"vertical two per rail, pitching mass with inertia", LoadVertical2R2C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, -20}, {&S::Acceleration, 2}, {&S::Mass1, 50}, {&S::GravityX1, 30},
      {&S::GravityZ1, 80}},
     {{PR, 2, {122.5, -122.5, -122.5, 122.5}}, {PR, 1, {147.5, -147.5, -147.5, 147.5}},
      {PR, 3, {97.5, -97.5, -97.5, 97.5}}, {PT, 0, {0, 0, 0, 0}}}},
    {"vertical one per rail, fz rolls about the origin", LoadVertical2R1C,
     {{&S::ThrustPointY0, 30}, {&S::RailSpanL2, 100}, {&S::LoadFz, 10}, {&S::LoadPointX6, 50}},
     {{PR, 0, {-98, 0}}, {PT, 0, {0, 0}}, {PE, 0, {98, 0}}}},
    {"wall one carriage, rolling mass", LoadWall1R1C,
     {{&S::Mass1, 50}, {&S::GravityZ1, 100}, {&S::StaticLoadRating, 18.9}, {&S::RollingMomentRating, 0.14}},
     {{PR, 0, {0}}, {PT, 0, {-490}}, {PE, 0, {7104.99997184}}}},
    {"wall two carriages, fx pitches", LoadWall1R2C,
     {{&S::CarriageSpanL1, 100}, {&S::Mass1, 50}, {&S::LoadFx, 10}, {&S::LoadPointZ4, 50}},
     {{PR, 0, {-49, 49}}, {PT, 0, {-245, -245}}}, 100},
    {"wall two carriages, fx against the inertia force", LoadWall1R2C,
     {{&S::CarriageSpanL1, 100}, {&S::Mass1, 50}, {&S::GravityZ1, 100}, {&S::Acceleration, 1}, {&S::LoadFx, 10},
      {&S::LoadPointZ4, 50}},
     {{PR, 1, {1, -1}}, {PR, 2, {-49, 49}}, {PR, 3, {-99, 99}}}, 100},
    {"wall one per rail, fx does not roll", LoadWall2R1C,
     {{&S::RailSpanL2, 196}, {&S::LoadFx, 10}, {&S::LoadPointY6, 20}}, {{PR, 0, {0, 0}}}, 100},
    {"wall one per rail, fz rolls", LoadWall2R1C,
     {{&S::RailSpanL2, 196}, {&S::LoadFz, 10}, {&S::LoadPointY6, 20}}, {{PR, 0, {-39, -59}}}, 100},
    {"wall two per rail, hanging mass", LoadWall2R2C,
     {{&S::Mass1, 100}, {&S::GravityX1, 100}, {&S::GravityY1, 20}, {&S::GravityZ1, 50}, {&S::Acceleration, 1},
      {&S::RailSpanL2, 250}},
     {{PR, 1, {110.5, 85.5, -110.5, -85.5}}, {PR, 2, {98, 98, -98, -98}}, {PR, 3, {85.5, 110.5, -85.5, -110.5}},
      {PT, 1, {-5, -485, -485, -5}}, {PT, 2, {0, -490, -490, 0}}, {PT, 3, {5, -495, -495, 5}}}, 500},
    {"wall one per rail, hanging mass", LoadWall2R1C,
     {{&S::Mass1, 100}, {&S::GravityX1, 100}, {&S::GravityY1, 20}, {&S::GravityZ1, 50}, {&S::Acceleration, 1},
      {&S::RailSpanL2, 250}, {&S::PitchingMomentRating, 0.1}, {&S::YawingMomentRating, 0.1}},
     {{PR, 0, {196, -196}}, {PT, 0, {-490, -490}}, {PE, 1, {5736, 5736}}, {PE, 2, {5586, 5586}},
      {PE, 3, {5936, 5936}}}},
    // Longitudinally tilted, 100 kg at (50, 20, 100) on a 30 degree slope.
    {"long tilt two per rail, sloped mass", LoadLongTilt2R2C,
     {{&S::InclinationAngle, 30}, {&S::Acceleration, 2}, {&S::Mass1, 100}, {&S::GravityX1, 50}, {&S::GravityY1, 20},
      {&S::GravityZ1, 100}},
     {{PR, 1, {250.29795121, 117.47416717, 174.054493074, 306.878277115}},
      {PR, 2, {200.29795121, 167.47416717, 224.054493074, 256.878277115}},
      {PR, 3, {150.29795121, 217.47416717, 274.054493074, 206.878277115}},
      {PT, 1, {-34.5000006183, 34.5000006183, 34.5000006183, -34.5000006183}},
      {PT, 3, {-14.5000006183, 14.5000006183, 14.5000006183, -14.5000006183}}}},
    {"long tilt one per rail, sloped mass", LoadLongTilt2R1C,
     {{&S::InclinationAngle, 30}, {&S::Acceleration, 2}, {&S::Mass1, 100}, {&S::GravityX1, 50}, {&S::GravityY1, 20},
      {&S::GravityZ1, 100}, {&S::StaticLoadRating, 20}, {&S::PitchingMomentRating, 0.3}, {&S::YawingMomentRating, 0.3}},
     {{PR, 0, {367.77211838, 480.932770189}}, {PT, 0, {0, 0}}, {PE, 1, {1713.26402023, 1826.42467204}},
      {PE, 2, {913.264020229, 1026.42467204}}, {PE, 3, {1008.94689969, 1122.1075515}}}},
    {"long tilt two carriages, fz pitches at X6, not X5", LoadLongTilt1R2C,
     {{&S::InclinationAngle, 20}, {&S::LoadFz, 10}, {&S::LoadPointX5, 100}, {&S::LoadPointX6, -100}},
     {{PR, 0, {-98, 0}}}, 100},
    {"long tilt at 90 degrees: a tiny negative radial load", LoadLongTilt1R1C,
     {{&S::InclinationAngle, 90}, {&S::Mass1, 50}}, {{PR, 0, {490 * -4.371139000186241e-08}}}, 1e-6},
    // Laterally tilted, 30 degrees.
    {"lat tilt two carriages, mass with inertia", LoadLatTilt1R2C,
     {{&S::InclinationAngle, 30}, {&S::Acceleration, 2}, {&S::Mass1, 100}, {&S::GravityX1, 50}, {&S::GravityY1, 20},
      {&S::GravityZ1, 30}, {&S::StaticLoadRating, 30}, {&S::RollingMomentRating, 0.5}},
     {{PR, 1, {242.176222142, 606.528666427}}, {PR, 2, {212.176222142, 636.528666427}},
      {PR, 3, {182.176222142, 666.528666427}}, {PT, 1, {-142.500003092, -347.500009275}},
      {PT, 2, {-122.500003092, -367.500009275}}, {PT, 3, {-102.500003092, -387.500009275}},
      {PE, 1, {452.899147246, 1022.25159771}}, {PE, 3, {352.899147246, 1122.25159771}}}},
    {"lat tilt two per rail, fx from the thrust point", LoadLatTilt2R2C,
     {{&S::InclinationAngle, 30}, {&S::Mass1, 50}, {&S::GravityX1, 100}, {&S::GravityY1, 40}, {&S::GravityZ1, 60},
      {&S::LoadFx, 10}, {&S::LoadPointY4, 20}, {&S::LoadPointZ4, 50}, {&S::ThrustPointZ0, 10}, {&S::Acceleration, 2}},
     {{PR, 1, {-1.09016233401, 205.686059808, 213.266384476, 6.49016233401}},
      {PR, 2, {-13.590162334, 218.186059808, 225.766384476, -6.00983766599}},
      {PR, 3, {-26.090162334, 230.686059808, 238.266384476, -18.509837666}},
      {PT, 1, {-5.1, -117.400003092, -117.400003092, -5.1}}, {PT, 2, {4.9, -127.400003092, -127.400003092, 4.9}},
      {PT, 3, {14.9, -137.400003092, -137.400003092, 14.9}}}, 300},
};
// clang-format on

void PrintTo(const Example& p, std::ostream* os) { *os << p.name; }

class LoadExample : public testing::TestWithParam<Example> {};

TEST_P(LoadExample, FillsTheTablesAsWorkedByHand) {
    const Example& e = GetParam();
    S& s = state();
    s = S{};
    s.StaticLoadRating = 10, s.PitchingMomentRating = 0.2, s.YawingMomentRating = 0.2, s.RollingMomentRating = 0.25f;
    s.CarriageSpanL1 = 200, s.CarriageSpanL1b = 300, s.RailSpanL2 = 300, s.Pi = 3.1415927f;
    for (const auto& [field, value] : e.inputs)
        std::visit([&](auto f) { s.*f = static_cast<std::remove_reference_t<decltype(s.*f)>>(value); }, field);
    e.procedure();
    for (const Expect& x : e.expect)
        for (int j = 1; j <= 3; ++j) {
            if (x.phase != 0 && x.phase != j) continue;
            const S::LoadTable& t = x.table == PR ? s.RadialLoad : x.table == PT ? s.LateralLoad : s.EquivalentLoad;
            for (std::size_t i = 1; i <= x.values.size(); ++i)
                EXPECT_NEAR(t[i][j], x.values[i - 1], 1e-9 * std::max(e.scale, std::abs(x.values[i - 1])))
                    << "PR PT PE"[3 * x.table] << "PR PT PE"[3 * x.table + 1] << "(" << i << "," << j << ")";
        }
    s = S{};
}

INSTANTIATE_TEST_SUITE_P(HandWorked, LoadExample, testing::ValuesIn(kExamples));

// Not the true cosine and sine: those miss by far more than the tolerance.
TEST(Inclination, FormedFromThe32BitAngleAndPi) {
    for (const auto& [theta, cosine, sine] : {std::array{30.0, 0.8660253964992068, 0.5000000126183913},
                                              {90.0, -4.371139000186241e-08, 0.999999999999999},
                                              {-90.0, -4.371139000186241e-08, -0.999999999999999}}) {
        S s;
        s.Pi = 3.1415927f, s.InclinationAngle = static_cast<float>(theta);
        EXPECT_NEAR(InclinationCosine(s), cosine, 1e-12) << theta;
        EXPECT_NEAR(InclinationSine(s), sine, 1e-12) << theta;
    }
}

}  // namespace
