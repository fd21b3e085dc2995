// Over random inputs every one of the forty procedures must hold its carriages
// in equilibrium with the loads, worked out here independently as r x F of
// each force: the radial and lateral loads add up to the force totals, their
// moments give back the moments the layout carries by force couples, and the
// rest appears in the equivalent load against the ratings.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "app/CalculationState.h"
#include "loads/LoadProcedures.h"
#include "loads/LongTilt.h"

namespace {

constexpr double g = 9.8;
enum { Horizontal, Vertical, Wall, LongTilt, LatTilt };
using V = std::array<double, 3>;
V Cross(V r, V f) { return {r[1] * f[2] - r[2] * f[1], r[2] * f[0] - r[0] * f[2], r[0] * f[1] - r[1] * f[0]}; }

CalculationState RandomInputs(std::mt19937& rng, bool withInertia) {
    auto u = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    CalculationState s;
    s.Pi = 3.1415927f;
    s.StaticLoadRating = u(5, 100);
    s.PitchingMomentRating = u(0.05, 2), s.YawingMomentRating = u(0.05, 2);
    s.RollingMomentRating = static_cast<float>(u(0.05, 2));
    s.Acceleration = withInertia ? u(0.5, 10) : 0.0;
    s.InclinationAngle = static_cast<float>(u(-90, 90));
    s.ThrustPointY0 = u(-100, 100), s.ThrustPointZ0 = u(-100, 100);
    s.CarriageSpanL1 = u(50, 500);
    s.CarriageSpanL1b = s.CarriageSpanL1 + u(20, 300);
    s.RailSpanL2 = u(50, 500);
    s.Mass1 = u(0, 200), s.Mass2 = u(0, 200), s.Mass3 = u(0, 200);
    for (double* p : {&s.GravityX1, &s.GravityY1, &s.GravityZ1, &s.GravityX2, &s.GravityY2, &s.GravityZ2, &s.GravityX3,
                      &s.GravityY3, &s.GravityZ3, &s.LoadPointX4, &s.LoadPointY4, &s.LoadPointZ4, &s.LoadPointX5,
                      &s.LoadPointY5, &s.LoadPointZ5, &s.LoadPointX6, &s.LoadPointY6})
        *p = u(-300, 300);
    s.LoadPointZ6 = static_cast<float>(u(-300, 300));
    s.LoadFx = u(-100, 100), s.LoadFy = u(-100, 100), s.LoadFz = u(-100, 100);
    return s;
}

// Force and moment on the table in one phase. Forces along the travel axis
// are taken by the drive, so their arms run from the thrust point (fx's from
// the origin on the horizontal and wall installations); the others' from the
// origin, except the vertical one-rail rolling about the thrust point.
struct Load {
    V force{}, moment{};
    double forceSize = 0, momentSize = 0;  // sums of magnitudes, for tolerances
};

Load TableLoad(const CalculationState& s, int inst, int rails, int phase) {
    const int T = inst == Vertical ? 1 : 0;
    const double c = InclinationCosine(s), sn = InclinationSine(s);
    V gravity{0, 0, -g};
    if (inst == Vertical || inst == Wall) gravity = {0, -g, 0};
    if (inst == LongTilt) gravity = {-g * sn, 0, -g * c};
    if (inst == LatTilt) gravity = {0, -g * sn, -g * c};
    const V thrust = inst == Vertical ? V{s.ThrustPointY0, 0, s.ThrustPointZ0} : V{0, s.ThrustPointY0, s.ThrustPointZ0};
    const V origin{0, 0, 0};
    Load r;
    auto add = [&](V f, V p, bool fromOriginAlongTravel) {
        V along{}, across = f;
        along[T] = f[T], across[T] = 0;
        const V o1 = fromOriginAlongTravel ? origin : thrust;
        const V o2 = inst == Vertical && rails == 1 ? thrust : origin;
        for (int k = 0; k < 3; ++k) {
            r.force[k] += f[k];
            r.forceSize += std::abs(f[k]);
        }
        for (const auto& [part, o] : {std::pair{along, o1}, std::pair{across, o2}}) {
            const V m = Cross({p[0] - o[0], p[1] - o[1], p[2] - o[2]}, part);
            for (int k = 0; k < 3; ++k) r.moment[k] += m[k];
            for (int k = 0; k < 3; ++k) r.momentSize += (std::abs(p[k]) + std::abs(o[k])) * std::abs(f[k]) * 3;
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

// Carriage i along its rail (carriage 1 at the negative end; the second rail
// numbered back) and across the rails.
std::vector<std::pair<double, double>> Places(const CalculationState& s, int inst, int combination) {
    const int rails = combination < 4 ? 1 : 2, k = combination % 4 + 1;
    const double L1 = s.CarriageSpanL1, L1b = s.CarriageSpanL1b;
    const double firstRail = rails == 1 ? 0 : (inst == Vertical ? 0.5 : -0.5) * s.RailSpanL2;
    std::vector<double> along[] = {{0}, {-L1 / 2, L1 / 2}, {-L1 / 2, 0, L1 / 2}, {-L1b / 2, -L1 / 2, L1 / 2, L1b / 2}};
    std::vector<std::pair<double, double>> at;
    for (double x : along[k - 1]) at.push_back({x, firstRail});
    if (rails == 2)
        for (int i = k - 1; i >= 0; --i) at.push_back({along[k - 1][i], -firstRail});
    return at;
}

constexpr double kUntouched = -7777.0;

void Balanced(double actual, double expected, double scale, const char* what, int i = 0) {
    EXPECT_NEAR(actual, expected, 1e-9 * (1 + scale + std::abs(expected))) << what << " " << i;
}

class LoadBalance : public testing::TestWithParam<int> {};

TEST_P(LoadBalance, CarriagesBalanceTheLoadsInEveryPhase) {
    const int inst = GetParam() / 8, combination = GetParam() % 8;
    const int T = inst == Vertical ? 1 : 0, R = 2, L = inst == Vertical ? 0 : 1;
    const LoadProcedure run = FindLoadProcedure(inst, combination);
    ASSERT_NE(run, nullptr);
    const int rails = combination < 4 ? 1 : 2, N = rails * (combination % 4 + 1), perRail = N / rails;
    std::mt19937 rng(1000 + GetParam());
    for (int trial = 0; trial < 200; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        const bool withInertia = trial % 4 != 0;
        CalculationState& s = state();
        s = RandomInputs(rng, withInertia);
        if (trial < 2) s.InclinationAngle = trial == 0 ? 90.0f : -90.0f;
        for (auto* table : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad})
            for (auto& row : *table) row.fill(kUntouched);
        run();
        const auto at = Places(s, inst, combination);
        for (int j = 1; j <= 3; ++j) {
            SCOPED_TRACE("phase " + std::to_string(j));
            const Load r = TableLoad(s, inst, rails, j);
            // What the carriages push back with: +PR along Z, -PT along the lateral axis.
            V force = r.force, moment = r.moment;
            double aa = 0, cc = 0, aR = 0, aT = 0, cR = 0, size = r.forceSize + r.momentSize / 50;
            for (int i = 1; i <= N; ++i) {
                const auto [a, c] = at[i - 1];
                V place{}, reaction{};
                place[T] = a, place[L] = c, reaction[R] = s.RadialLoad[i][j], reaction[L] = -s.LateralLoad[i][j];
                const V m = Cross(place, reaction);
                for (int k = 0; k < 3; ++k) force[k] += reaction[k], moment[k] += m[k];
                aa += a * a, cc += c * c, aR += a * reaction[R], aT += a * s.LateralLoad[i][j], cR += c * reaction[R];
            }
            Balanced(force[R], 0, r.forceSize, "radial total");
            Balanced(force[L], 0, r.forceSize, "lateral total");
            if (perRail > 1) Balanced(moment[L], 0, r.momentSize, "pitching");
            if (perRail > 1) Balanced(moment[R], 0, r.momentSize, "yawing");
            if (rails == 2) Balanced(moment[T], 0, r.momentSize, "rolling");
            // Each carriage's share grows with its distance from the middle.
            const double sumR = -r.force[R], sumT = r.force[L];
            for (int i = 1; i <= N; ++i) {
                const auto [a, c] = at[i - 1];
                Balanced(s.RadialLoad[i][j], sumR / N + (aa > 0 ? aR / aa * a : 0) + (cc > 0 ? cR / cc * c : 0), size,
                         "radial share", i);
                Balanced(s.LateralLoad[i][j], sumT / N + (aa > 0 ? aT / aa * a : 0), size, "lateral share", i);
            }
            double unshared = 0;
            if (rails == 1) unshared += std::abs(r.moment[T]) / s.RollingMomentRating;
            if (perRail == 1)
                unshared +=
                    std::abs(r.moment[L]) / s.PitchingMomentRating + std::abs(r.moment[R]) / s.YawingMomentRating;
            const double term = s.StaticLoadRating / (1000.0 * N) * unshared;
            for (int i = 1; i <= N; ++i) {
                const double base = std::abs(s.RadialLoad[i][j]) + std::abs(s.LateralLoad[i][j]);
                Balanced(s.EquivalentLoad[i][j], base + term, base + term + 2 * r.momentSize, "equivalent load", i);
            }
        }
        // Acceleration and deceleration lie symmetrically about uniform speed;
        // without inertia all three phases are alike.
        for (int i = 1; i <= N; ++i) {
            for (const auto* t : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad}) {
                const auto& row = (*t)[i];
                const double size = std::abs(row[1]) + std::abs(row[2]) + std::abs(row[3]);
                if (t != &s.EquivalentLoad) Balanced(row[1] + row[3], 2 * row[2], size, "acc + dec", i);
                if (!withInertia) Balanced(row[1], row[2], size, "no inertia: acc", i);
                if (!withInertia) Balanced(row[3], row[2], size, "no inertia: dec", i);
            }
        }
        for (const auto* t : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad})
            for (int i = 0; i <= 8; ++i)
                for (int j = 0; j <= 3; ++j)
                    if (i == 0 || j == 0 || i > N) {
                        EXPECT_EQ((*t)[i][j], kUntouched) << i << "," << j;
                    }
    }
    state() = CalculationState{};
}

std::string ProcedureName(const testing::TestParamInfo<int>& info) {
    const char* names[] = {"Horizontal", "Vertical", "Wall", "LongTilt", "LatTilt"};
    const int c = info.param % 8;
    return names[info.param / 8] + std::to_string(c / 4 + 1) + "R" + std::to_string(c % 4 + 1) + "C";
}

INSTANTIATE_TEST_SUITE_P(AllForty, LoadBalance, testing::Range(0, 40), ProcedureName);

std::array<CalculationState::LoadTable, 3> Tables(const CalculationState& s, LoadProcedure procedure) {
    state() = s;
    procedure();
    return {state().RadialLoad, state().LateralLoad, state().EquivalentLoad};
}

// Tilted by 0 degrees is horizontal (fx takes its arms from the thrust point
// when tilted, so either fx or the thrust point is 0); laterally tilted by 90
// is the wall, up to the 32-bit Pi's cosine of -4.4e-8.
TEST(LoadIdentities, TiltedMeetHorizontalAndWall) {
    std::mt19937 rng(808);
    for (int trial = 0; trial < 20; ++trial)
        for (int inst : {LongTilt, LatTilt})
            for (int combination = 0; combination < 8; ++combination) {
                SCOPED_TRACE(testing::Message() << inst << "/" << combination << " trial " << trial);
                CalculationState s = RandomInputs(rng, trial % 3 != 0);
                (trial % 2 == 0 ? s.ThrustPointY0 = s.ThrustPointZ0 = 0 : s.LoadFx = 0);
                const auto same = [](const auto& a, const auto& b, double relative) {
                    double size = 0;
                    for (const auto& t : a)
                        for (const auto& row : t)
                            for (double v : row) size = std::max(size, std::abs(v));
                    for (int k = 0; k < 3; ++k)
                        for (int i = 0; i <= 8; ++i)
                            for (int j = 0; j <= 3; ++j) EXPECT_NEAR(a[k][i][j], b[k][i][j], relative * size);
                };
                s.InclinationAngle = 0;
                same(Tables(s, FindLoadProcedure(inst, combination)),
                     Tables(s, FindLoadProcedure(Horizontal, combination)), 1e-12);
                s.InclinationAngle = 90;
                if (inst == LatTilt)
                    same(Tables(s, FindLoadProcedure(inst, combination)),
                         Tables(s, FindLoadProcedure(Wall, combination)), 1e-6);
            }
    state() = CalculationState{};
}

// The sign of each carriage's share of each moment ('+', '-', '0' none) as
// the installations' tables give them, by moments of known sign: rolling
// from a mass off-centre at rest, pitching and yawing from what acceleration
// adds (its term enters wall: +a·SZ, +a·SY; long tilt: -a·SZ, +a·SY; lateral
// tilt: -a·SZ, -a·SY).
TEST(LoadIdentities, ShareSignsFollowTheInstallationTables) {
    struct Signs {
        int inst, combination;
        const char *rolling, *pitching, *yawing;
    };
    // clang-format off
    const Signs table[] = {
        {2, 1, "", "+-", "-+"}, {2, 2, "", "+0-", "-0+"}, {2, 3, "", "++--", "--++"}, {2, 4, "+-", "00", "00"},
        {2, 5, "++--", "+--+", "-++-"}, {2, 6, "+++---", "+0--0+", "-0++0-"}, {2, 7, "++++----", "++----++", "--++++--"},
        {3, 1, "", "-+", "-+"}, {3, 2, "", "-0+", "-0+"}, {3, 3, "", "--++", "--++"}, {3, 4, "-+", "00", "00"},
        {3, 5, "--++", "-++-", "-++-"}, {3, 6, "---+++", "-0++0-", "-0++0-"}, {3, 7, "----++++", "--++++--", "--++++--"},
        {4, 1, "", "-+", "+-"}, {4, 2, "", "-0+", "+0-"}, {4, 3, "", "--++", "++--"}, {4, 4, "-+", "00", "00"},
        {4, 5, "--++", "-++-", "+--+"}, {4, 6, "---+++", "-0++0-", "+0--0+"}, {4, 7, "----++++", "--++++--", "++----++"},
    };
    // clang-format on
    const auto sign = [](double v) { return std::abs(v) <= 1e-7 ? '0' : v > 0 ? '+' : '-'; };
    for (const Signs& t : table) {
        SCOPED_TRACE(testing::Message() << t.inst << "/" << t.combination);
        const int N = (t.combination < 4 ? 1 : 2) * (t.combination % 4 + 1);
        CalculationState& s = state();
        for (int m = 0; m < 3; ++m) {
            if (m == 0 && !*t.rolling) continue;
            s = CalculationState{};
            s.Pi = 3.1415927f, s.StaticLoadRating = 20, s.PitchingMomentRating = s.YawingMomentRating = 0.3;
            s.RollingMomentRating = 0.5f, s.CarriageSpanL1 = 200, s.CarriageSpanL1b = 300, s.RailSpanL2 = 300;
            s.Mass1 = 10, s.Acceleration = m == 0 ? 0 : 1;
            (m == 0 ? (t.inst == Wall ? s.GravityZ1 : s.GravityY1) : m == 1 ? s.GravityZ1 : s.GravityY1) = 100;
            FindLoadProcedure(t.inst, t.combination)();
            const double inertiaSign = m == 1 ? (t.inst == Wall ? 1 : -1) : (t.inst == LatTilt ? -1 : 1);
            const auto& table = m == 2 ? s.LateralLoad : s.RadialLoad;
            std::string signs;
            for (int i = 1; i <= N; ++i)
                signs += m == 0 ? sign(table[i][2] - table[1][2] / 2 - table[N][2] / 2)
                                : sign(inertiaSign * (table[i][1] - table[i][2]));
            EXPECT_EQ(signs, m == 0 ? t.rolling : m == 1 ? t.pitching : t.yawing) << "moment " << m;
        }
    }
    state() = CalculationState{};
}

}  // namespace
