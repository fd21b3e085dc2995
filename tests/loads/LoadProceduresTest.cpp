#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "app/CalculationState.h"
#include "loads/LoadProcedures.h"
#include "loads/LongTilt.h"

// Hand-worked cases of the five installations; over random inputs, all forty procedures hold the carriages in
// equilibrium with the loads, worked out here independently as r x F.
namespace {

using S = CalculationState;
using Field = std::variant<double S::*, float S::*>;
enum Table { PR, PT, PE };

using Expect = std::tuple<Table, int, std::vector<double>>;  // table, phase 1..3 (0: all three), carriages 1..n

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
    {"two per rail, fx without acceleration: phases alike", LoadHorizontal2R2C,
     {{&S::Mass1, 100}, {&S::LoadFx, 10}, {&S::LoadPointZ4, 50}}, {{PR, 0, {232.75, 257.25, 257.25, 232.75}}}},
    {"vertical two carriages, mass with inertia", LoadVertical1R2C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, -20}, {&S::Acceleration, 2}, {&S::Mass1, 10}, {&S::GravityX1, 130},
      {&S::GravityZ1, 30}},
     {{PR, 1, {29.5, -29.5}}, {PR, 2, {24.5, -24.5}}, {PR, 3, {19.5, -19.5}}, {PT, 1, {-59, 59}}, {PT, 2, {-49, 49}},
      {PT, 3, {-39, 39}}}},
    {"vertical three carriages, rolling about the thrust point", LoadVertical1R3C,
     {{&S::ThrustPointY0, 30}, {&S::ThrustPointZ0, 10}, {&S::LoadFx, 10}, {&S::LoadPointZ4, 60}},
     {{PT, 0, {98.0 / 3, 98.0 / 3, 98.0 / 3}}, {PE, 0, {98, 98, 98}}}},  // MR 4900 -> 10/3000 * 19600
    {"wall one carriage, rolling mass against the widened 32-bit MR0", LoadWall1R1C,
     {{&S::Mass1, 50}, {&S::GravityZ1, 100}, {&S::StaticLoadRating, 18.9}, {&S::RollingMomentRating, 0.14}},
     {{PR, 0, {0}}, {PT, 0, {-490}}, {PE, 0, {7104.99997184}}}},
    {"wall two carriages, fx pitches", LoadWall1R2C,
     {{&S::CarriageSpanL1, 100}, {&S::Mass1, 50}, {&S::LoadFx, 10}, {&S::LoadPointZ4, 50}},
     {{PR, 0, {-49, 49}}, {PT, 0, {-245, -245}}}, 100},
    {"wall two carriages, fx against the inertia force", LoadWall1R2C,
     {{&S::CarriageSpanL1, 100}, {&S::Mass1, 50}, {&S::GravityZ1, 100}, {&S::Acceleration, 1}, {&S::LoadFx, 10},
      {&S::LoadPointZ4, 50}},
     {{PR, 1, {1, -1}}, {PR, 2, {-49, 49}}, {PR, 3, {-99, 99}}}, 100},
    {"wall one per rail, fz rolls", LoadWall2R1C,
     {{&S::RailSpanL2, 196}, {&S::LoadFz, 10}, {&S::LoadPointY6, 20}}, {{PR, 0, {-39, -59}}}, 100},
    {"wall two per rail, hanging mass", LoadWall2R2C,
     {{&S::Mass1, 100}, {&S::GravityX1, 100}, {&S::GravityY1, 20}, {&S::GravityZ1, 50}, {&S::Acceleration, 1},
      {&S::RailSpanL2, 250}},
     {{PR, 1, {110.5, 85.5, -110.5, -85.5}}, {PR, 2, {98, 98, -98, -98}}, {PR, 3, {85.5, 110.5, -85.5, -110.5}},
      {PT, 1, {-5, -485, -485, -5}}, {PT, 2, {0, -490, -490, 0}}, {PT, 3, {5, -495, -495, 5}}}, 500},
    {"long tilt two per rail, sloped mass", LoadLongTilt2R2C,
     {{&S::InclinationAngle, 30}, {&S::Acceleration, 2}, {&S::Mass1, 100}, {&S::GravityX1, 50}, {&S::GravityY1, 20},
      {&S::GravityZ1, 100}},
     {{PR, 1, {250.29795121, 117.47416717, 174.054493074, 306.878277115}},
      {PR, 2, {200.29795121, 167.47416717, 224.054493074, 256.878277115}},
      {PR, 3, {150.29795121, 217.47416717, 274.054493074, 206.878277115}},
      {PT, 1, {-34.5000006183, 34.5000006183, 34.5000006183, -34.5000006183}}}},
    {"long tilt at 90 degrees: a tiny negative radial load", LoadLongTilt1R1C,
     {{&S::InclinationAngle, 90}, {&S::Mass1, 50}}, {{PR, 0, {490 * -4.371139000186241e-08}}}, 1e-6},
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

S& Base() {
    S& s = state() = S{};
    s.StaticLoadRating = 10, s.PitchingMomentRating = 0.2, s.YawingMomentRating = 0.2, s.RollingMomentRating = 0.25f;
    s.CarriageSpanL1 = 200, s.CarriageSpanL1b = 300, s.RailSpanL2 = 300, s.Pi = 3.1415927f;
    return s;
}

class LoadExample : public testing::TestWithParam<Example> {};

TEST_P(LoadExample, FillsTheTablesAsWorkedByHand) {
    const Example& e = GetParam();
    S& s = Base();
    for (const auto& input : e.inputs)
        std::visit(
            [&s, value = input.second](auto f) { s.*f = static_cast<std::remove_reference_t<decltype(s.*f)>>(value); },
            input.first);
    e.procedure();
    for (const auto& [table, phase, values] : e.expect)
        for (int j = 1; j <= 3; ++j) {
            if (phase != 0 && phase != j) continue;
            const S::LoadTable& t = table == PR ? s.RadialLoad : table == PT ? s.LateralLoad : s.EquivalentLoad;
            for (std::size_t i = 1; i <= values.size(); ++i)
                EXPECT_NEAR(t[i][j], values[i - 1], 1e-9 * std::max(e.scale, std::abs(values[i - 1])))
                    << "PR PT PE"[3 * table] << "PR PT PE"[3 * table + 1] << "(" << i << "," << j << ")";
        }
    s = S{};
}

INSTANTIATE_TEST_SUITE_P(HandWorked, LoadExample, testing::ValuesIn(kExamples));

// Not the true cosine and sine: those would miss by far more than the tolerance.
TEST(Inclination, FormedFromThe32BitAngleAndPi) {
    S s;
    s.Pi = 3.1415927f, s.InclinationAngle = 30;
    EXPECT_NEAR(InclinationSine(s), 0.5000000126183913, 1e-15);
    s.InclinationAngle = 90;
    EXPECT_NEAR(InclinationCosine(s), -4.371139000186241e-08, 1e-20);
}

constexpr double g = 9.8, kUntouched = -7777.0;
enum { Horizontal, Vertical, Wall, LongTilt, LatTilt };
using V = std::array<double, 3>;
V Cross(V r, V f) { return {r[1] * f[2] - r[2] * f[1], r[2] * f[0] - r[0] * f[2], r[0] * f[1] - r[1] * f[0]}; }

S RandomInputs(std::mt19937& rng, bool withInertia) {
    auto u = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    S s;
    s.Pi = 3.1415927f, s.StaticLoadRating = u(5, 100);
    s.PitchingMomentRating = u(0.05, 2), s.YawingMomentRating = u(0.05, 2);
    s.RollingMomentRating = static_cast<float>(u(0.05, 2)), s.InclinationAngle = static_cast<float>(u(-90, 90));
    s.Acceleration = withInertia ? u(0.5, 10) : 0.0;
    s.CarriageSpanL1 = u(50, 500), s.CarriageSpanL1b = s.CarriageSpanL1 + u(20, 300), s.RailSpanL2 = u(50, 500);
    s.Mass1 = u(0, 200), s.Mass2 = u(0, 200), s.Mass3 = u(0, 200), s.LoadFx = u(-100, 100), s.LoadFy = u(-100, 100);
    s.LoadFz = u(-100, 100), s.LoadPointZ6 = static_cast<float>(u(-300, 300));
    for (double* p :
         {&s.ThrustPointY0, &s.ThrustPointZ0, &s.GravityX1, &s.GravityY1, &s.GravityZ1, &s.GravityX2, &s.GravityY2,
          &s.GravityZ2, &s.GravityX3, &s.GravityY3, &s.GravityZ3, &s.LoadPointX4, &s.LoadPointY4, &s.LoadPointZ4,
          &s.LoadPointX5, &s.LoadPointY5, &s.LoadPointZ5, &s.LoadPointX6, &s.LoadPointY6})
        *p = u(-300, 300);
    return s;
}

// Force and moment on the table in one phase. Forces along the travel axis T are taken by the drive: their arms run
// from the thrust point (fx's from the origin on the horizontal and wall installations), the others' from the origin,
// except the vertical one-rail rolling.
struct Load {
    V force{}, moment{};
    double size = 0;  // sum of |r|·|F|, for tolerances
};

Load TableLoad(const S& s, int inst, int rails, int phase) {
    const int T = inst == Vertical ? 1 : 0;
    const double c = InclinationCosine(s), sn = InclinationSine(s);
    const V gravity = inst == Vertical || inst == Wall ? V{0, -g, 0}
                      : inst == LongTilt               ? V{-g * sn, 0, -g * c}
                      : inst == LatTilt                ? V{0, -g * sn, -g * c}
                                                       : V{0, 0, -g};
    const V thrust = inst == Vertical ? V{s.ThrustPointY0, 0, s.ThrustPointZ0} : V{0, s.ThrustPointY0, s.ThrustPointZ0};
    const V origin{};
    Load r;
    auto add = [&](V f, V p, bool travelFromOrigin) {
        V along{}, across = f;
        along[T] = f[T], across[T] = 0;
        const V& o1 = travelFromOrigin ? origin : thrust;
        const V& o2 = inst == Vertical && rails == 1 ? thrust : origin;
        for (const auto& [part, o] : {std::pair{along, o1}, std::pair{across, o2}}) {
            const V m = Cross({p[0] - o[0], p[1] - o[1], p[2] - o[2]}, part);
            for (int k = 0; k < 3; ++k) r.force[k] += part[k], r.moment[k] += m[k];
            r.size += (std::abs(p[0]) + std::abs(p[1]) + std::abs(p[2]) + 300) *
                      (std::abs(part[0]) + std::abs(part[1]) + std::abs(part[2]));
        }
    };
    const double inertia = (phase == 1 ? -1 : phase == 3 ? 1 : 0) * s.Acceleration;
    const double masses[3][4] = {{s.Mass1, s.GravityX1, s.GravityY1, s.GravityZ1},
                                 {s.Mass2, s.GravityX2, s.GravityY2, s.GravityZ2},
                                 {s.Mass3, s.GravityX3, s.GravityY3, s.GravityZ3}};
    for (const auto& m : masses) {
        V f{m[0] * gravity[0], m[0] * gravity[1], m[0] * gravity[2]};
        f[T] += m[0] * inertia;
        add(f, {m[1], m[2], m[3]}, false);
    }
    add({g * s.LoadFx, 0, 0}, {s.LoadPointX4, s.LoadPointY4, s.LoadPointZ4}, inst == Horizontal || inst == Wall);
    add({0, g * s.LoadFy, 0}, {s.LoadPointX5, s.LoadPointY5, s.LoadPointZ5}, false);
    add({0, 0, g * s.LoadFz}, {s.LoadPointX6, s.LoadPointY6, s.LoadPointZ6}, false);
    return r;
}

void Balanced(double actual, double expected, double scale, const char* what, int i = 0) {
    EXPECT_NEAR(actual, expected, 1e-9 * (1 + scale + std::abs(expected))) << what << " " << i;
}

void ExpectSameTables(const S& s, int inst, int other, int combination, double relative) {
    S r[2];
    for (int k = 0; k < 2; ++k) {
        state() = s;
        FindLoadProcedure(k == 0 ? inst : other, combination)();
        r[k] = state();
    }
    double size = 0;
    for (const auto& row : r[0].EquivalentLoad) size = std::max({size, row[1], row[2], row[3]});
    for (int i = 1; i <= 8; ++i)
        for (int j = 1; j <= 3; ++j)
            for (const auto table : {&S::RadialLoad, &S::LateralLoad, &S::EquivalentLoad})
                EXPECT_NEAR((r[0].*table)[i][j], (r[1].*table)[i][j], relative * size) << i << "," << j;
}

class LoadBalance : public testing::TestWithParam<int> {};

TEST_P(LoadBalance, CarriagesBalanceTheLoadsInEveryPhase) {
    const int inst = GetParam() / 8, combination = GetParam() % 8;
    const int T = inst == Vertical ? 1 : 0, R = 2, L = inst == Vertical ? 0 : 1;
    const int rails = combination < 4 ? 1 : 2, perRail = combination % 4 + 1, N = rails * perRail;
    std::mt19937 rng(1000 + GetParam());
    for (int trial = 0; trial < 200; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        const bool withInertia = trial % 4 != 0;
        S& s = state();
        s = RandomInputs(rng, withInertia);
        if (trial < 2) s.InclinationAngle = trial == 0 ? 90.0f : -90.0f;
        for (auto* table : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad})
            for (auto& row : *table) row.fill(kUntouched);
        FindLoadProcedure(inst, combination)();
        // Carriage i along its rail (carriage 1 at the negative end, second rail numbered back), across.
        const double L1 = s.CarriageSpanL1, L1b = s.CarriageSpanL1b;
        const double firstRail = rails == 1 ? 0 : (inst == Vertical ? 0.5 : -0.5) * s.RailSpanL2;
        const std::vector<double> along[] = {
            {0}, {-L1 / 2, L1 / 2}, {-L1 / 2, 0, L1 / 2}, {-L1b / 2, -L1 / 2, L1 / 2, L1b / 2}};
        std::vector<std::pair<double, double>> at;
        for (double x : along[perRail - 1]) at.push_back({x, firstRail});
        for (int i = perRail - 1; rails == 2 && i >= 0; --i) at.push_back({along[perRail - 1][i], -firstRail});

        for (int j = 1; j <= 3; ++j) {
            SCOPED_TRACE("phase " + std::to_string(j));
            const Load r = TableLoad(s, inst, rails, j);
            // The carriages push back with +PR along Z and -PT along the lateral axis.
            V force = r.force, moment = r.moment;
            double aa = 0, cc = 0, aR = 0, aT = 0, cR = 0;
            for (int i = 1; i <= N; ++i) {
                const auto [a, c] = at[i - 1];
                V place{}, reaction{};
                place[T] = a, place[L] = c, reaction[R] = s.RadialLoad[i][j], reaction[L] = -s.LateralLoad[i][j];
                const V m = Cross(place, reaction);
                for (int k = 0; k < 3; ++k) force[k] += reaction[k], moment[k] += m[k];
                aa += a * a, cc += c * c, aR += a * reaction[R], aT += a * s.LateralLoad[i][j], cR += c * reaction[R];
            }
            Balanced(force[R], 0, r.size / 50, "radial total");
            Balanced(force[L], 0, r.size / 50, "lateral total");
            if (perRail > 1) Balanced(moment[L], 0, r.size, "pitching");
            if (perRail > 1) Balanced(moment[R], 0, r.size, "yawing");
            if (rails == 2) Balanced(moment[T], 0, r.size, "rolling");
            const double unshared = (rails == 1 ? std::abs(r.moment[T]) / s.RollingMomentRating : 0) +
                                    (perRail == 1 ? std::abs(r.moment[L]) / s.PitchingMomentRating +
                                                        std::abs(r.moment[R]) / s.YawingMomentRating
                                                  : 0);
            const double term = s.StaticLoadRating / (1000.0 * N) * unshared;
            for (int i = 1; i <= N; ++i) {
                // Each carriage's share grows with its distance from the middle.
                const auto [a, c] = at[i - 1];
                const double PR = s.RadialLoad[i][j], PT = s.LateralLoad[i][j];
                Balanced(PR, -r.force[R] / N + (aa > 0 ? aR / aa * a : 0) + (cc > 0 ? cR / cc * c : 0), r.size / 50,
                         "radial share", i);
                Balanced(PT, r.force[L] / N + (aa > 0 ? aT / aa * a : 0), r.size / 50, "lateral share", i);
                Balanced(s.EquivalentLoad[i][j], std::abs(PR) + std::abs(PT) + term, r.size, "equivalent load", i);
            }
        }
        // Acceleration and deceleration lie symmetrically about uniform speed; without inertia the phases are alike.
        // Cells of other carriages and row and column 0 are left alone.
        for (const auto* t : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad})
            for (int i = 0; i <= 8; ++i) {
                const auto& row = (*t)[i];
                const double size = std::abs(row[1]) + std::abs(row[2]) + std::abs(row[3]);
                const bool other = i == 0 || i > N;
                EXPECT_EQ(std::ranges::count(row, kUntouched), other ? 4 : 1) << i;
                if (other) continue;
                if (t != &s.EquivalentLoad) Balanced(row[1] + row[3], 2 * row[2], size, "acc + dec", i);
                if (!withInertia) Balanced(row[1], row[2], size, "no inertia: acc", i);
                if (!withInertia) Balanced(row[3], row[2], size, "no inertia: dec", i);
            }
        // Tilted by 0 degrees is horizontal (when tilted fx takes its arms from the thrust point, so fx or that is 0);
        // laterally tilted by 90 is the wall, up to the 32-bit Pi's cos of -4.4e-8.
        if (inst < LongTilt || trial >= 20) continue;
        S t = RandomInputs(rng, withInertia);
        (trial % 2 == 0 ? t.ThrustPointY0 = t.ThrustPointZ0 = 0 : t.LoadFx = 0);
        t.InclinationAngle = 0;
        ExpectSameTables(t, inst, Horizontal, combination, 1e-12);
        t.InclinationAngle = 90;
        if (inst == LatTilt) ExpectSameTables(t, inst, Wall, combination, 1e-6);
    }
    state() = S{};
}

INSTANTIATE_TEST_SUITE_P(AllForty, LoadBalance, testing::Range(0, 40));

// The sign of each carriage's share of each moment ('0' none) as the installations' tables give them, by moments of
// known sign: rolling from a mass off-centre at rest, pitching and yawing from what acceleration adds (wall: +a·SZ,
// +a·SY; long tilt: -a·SZ, +a·SY; lateral: -a·SZ, -a·SY).
TEST(LoadSigns, ShareSignsFollowTheInstallationTables) {
    // clang-format off
    const char* table[3][7][3] = {  // wall, long tilt, lateral tilt; combinations 1..7; rolling, pitching, yawing
        {{"", "+-", "-+"}, {"", "+0-", "-0+"}, {"", "++--", "--++"}, {"+-", "00", "00"}, {"++--", "+--+", "-++-"},
         {"+++---", "+0--0+", "-0++0-"}, {"++++----", "++----++", "--++++--"}},
        {{"", "-+", "-+"}, {"", "-0+", "-0+"}, {"", "--++", "--++"}, {"-+", "00", "00"}, {"--++", "-++-", "-++-"},
         {"---+++", "-0++0-", "-0++0-"}, {"----++++", "--++++--", "--++++--"}},
        {{"", "-+", "+-"}, {"", "-0+", "+0-"}, {"", "--++", "++--"}, {"-+", "00", "00"}, {"--++", "-++-", "+--+"},
         {"---+++", "-0++0-", "+0--0+"}, {"----++++", "--++++--", "++----++"}},
    };
    // clang-format on
    const auto sign = [](double v) { return std::abs(v) <= 1e-7 ? '0' : v > 0 ? '+' : '-'; };
    for (int inst = Wall; inst <= LatTilt; ++inst)
        for (int combination = 1; combination < 8; ++combination)
            for (int m = 0; m < 3; ++m) {
                const char* expected = table[inst - Wall][combination - 1][m];
                if (!*expected) continue;
                S& s = Base();
                s.Mass1 = 10, s.Acceleration = m == 0 ? 0 : 1;
                (m == 0 ? (inst == Wall ? s.GravityZ1 : s.GravityY1) : m == 1 ? s.GravityZ1 : s.GravityY1) = 100;
                FindLoadProcedure(inst, combination)();
                const double inertiaSign = m == 1 ? (inst == Wall ? 1 : -1) : (inst == LatTilt ? -1 : 1);
                const auto& t = m == 2 ? s.LateralLoad : s.RadialLoad;
                const int N = (combination < 4 ? 1 : 2) * (combination % 4 + 1);
                std::string signs;
                for (int i = 1; i <= N; ++i)
                    signs +=
                        m == 0 ? sign(t[i][2] - t[1][2] / 2 - t[N][2] / 2) : sign(inertiaSign * (t[i][1] - t[i][2]));
                EXPECT_EQ(signs, expected) << inst << "/" << combination << " moment " << m;
            }
    state() = S{};
}

}  // namespace
