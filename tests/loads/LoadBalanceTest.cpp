// Over random inputs every one of the forty procedures must hold its carriages
// in equilibrium with the loads, worked out here as r x F of each force; what
// the layout cannot carry by force couples appears in the equivalent load.
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

constexpr double g = 9.8, kUntouched = -7777.0;
enum { Horizontal, Vertical, Wall, LongTilt, LatTilt };
using V = std::array<double, 3>;
V Cross(V r, V f) { return {r[1] * f[2] - r[2] * f[1], r[2] * f[0] - r[0] * f[2], r[0] * f[1] - r[1] * f[0]}; }

CalculationState RandomInputs(std::mt19937& rng, bool withInertia) {
    auto u = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    CalculationState s;
    s.Pi = 3.1415927f, s.StaticLoadRating = u(5, 100);
    s.PitchingMomentRating = u(0.05, 2), s.YawingMomentRating = u(0.05, 2);
    s.RollingMomentRating = static_cast<float>(u(0.05, 2));
    s.Acceleration = withInertia ? u(0.5, 10) : 0.0;
    s.InclinationAngle = static_cast<float>(u(-90, 90));
    s.CarriageSpanL1 = u(50, 500), s.CarriageSpanL1b = s.CarriageSpanL1 + u(20, 300), s.RailSpanL2 = u(50, 500);
    s.Mass1 = u(0, 200), s.Mass2 = u(0, 200), s.Mass3 = u(0, 200);
    s.LoadFx = u(-100, 100), s.LoadFy = u(-100, 100), s.LoadFz = u(-100, 100);
    for (double* p :
         {&s.ThrustPointY0, &s.ThrustPointZ0, &s.GravityX1, &s.GravityY1, &s.GravityZ1, &s.GravityX2, &s.GravityY2,
          &s.GravityZ2, &s.GravityX3, &s.GravityY3, &s.GravityZ3, &s.LoadPointX4, &s.LoadPointY4, &s.LoadPointZ4,
          &s.LoadPointX5, &s.LoadPointY5, &s.LoadPointZ5, &s.LoadPointX6, &s.LoadPointY6})
        *p = u(-300, 300);
    s.LoadPointZ6 = static_cast<float>(u(-300, 300));
    return s;
}

// Force and moment on the table in one phase. Forces along the travel axis T
// are taken by the drive, so their arms run from the thrust point (fx's from
// the origin on the horizontal and wall installations); the others' from the
// origin, except the vertical one-rail rolling about the thrust point.
struct Load {
    V force{}, moment{};
    double size = 0;  // sum of |r|·|F|, for tolerances
};

Load TableLoad(const CalculationState& s, int inst, int rails, int phase) {
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

std::array<CalculationState::LoadTable, 3> Tables(const CalculationState& s, int inst, int combination) {
    state() = s;
    FindLoadProcedure(inst, combination)();
    return {state().RadialLoad, state().LateralLoad, state().EquivalentLoad};
}

void ExpectSameTables(const CalculationState& s, int inst, int other, int combination, double relative) {
    const auto a = Tables(s, inst, combination), b = Tables(s, other, combination);
    double size = 0;
    for (const auto& t : a)
        for (const auto& row : t)
            for (double v : row) size = std::max(size, std::abs(v));
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i <= 8; ++i)
            for (int j = 0; j <= 3; ++j) EXPECT_NEAR(a[k][i][j], b[k][i][j], relative * size) << k << i << j;
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
        CalculationState& s = state();
        s = RandomInputs(rng, withInertia);
        if (trial < 2) s.InclinationAngle = trial == 0 ? 90.0f : -90.0f;
        for (auto* table : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad})
            for (auto& row : *table) row.fill(kUntouched);
        FindLoadProcedure(inst, combination)();
        // Carriage i along its rail (carriage 1 at the negative end, the second
        // rail numbered back) and across the rails.
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
            double unshared = 0;
            if (rails == 1) unshared += std::abs(r.moment[T]) / s.RollingMomentRating;
            if (perRail == 1)
                unshared +=
                    std::abs(r.moment[L]) / s.PitchingMomentRating + std::abs(r.moment[R]) / s.YawingMomentRating;
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
        // Acceleration and deceleration lie symmetrically about uniform speed;
        // without inertia all three phases are alike. Cells of other carriages
        // and row and column 0 are left alone.
        for (const auto* t : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad})
            for (int i = 0; i <= 8; ++i) {
                const auto& row = (*t)[i];
                const double size = std::abs(row[1]) + std::abs(row[2]) + std::abs(row[3]);
                const bool other = i == 0 || i > N;
                EXPECT_TRUE(row[0] == kUntouched &&
                            (!other || row == std::array<double, 4>{kUntouched, kUntouched, kUntouched, kUntouched}))
                    << i;
                if (other) continue;
                if (t != &s.EquivalentLoad) Balanced(row[1] + row[3], 2 * row[2], size, "acc + dec", i);
                if (!withInertia) Balanced(row[1], row[2], size, "no inertia: acc", i);
                if (!withInertia) Balanced(row[3], row[2], size, "no inertia: dec", i);
            }
        // Tilted by 0 degrees is horizontal (fx takes its arms from the thrust
        // point when tilted, so either fx or the thrust point is 0); laterally
        // tilted by 90 is the wall, up to the 32-bit Pi's cosine of -4.4e-8.
        if (inst < LongTilt || trial >= 20) continue;
        CalculationState t = RandomInputs(rng, withInertia);
        (trial % 2 == 0 ? t.ThrustPointY0 = t.ThrustPointZ0 = 0 : t.LoadFx = 0);
        t.InclinationAngle = 0;
        ExpectSameTables(t, inst, Horizontal, combination, 1e-12);
        t.InclinationAngle = 90;
        if (inst == LatTilt) ExpectSameTables(t, inst, Wall, combination, 1e-6);
    }
    state() = CalculationState{};
}

INSTANTIATE_TEST_SUITE_P(AllForty, LoadBalance, testing::Range(0, 40));

// The sign of each carriage's share of each moment ('+', '-', '0' none) as
// the installations' tables give them, by moments of known sign: rolling
// from a mass off-centre at rest, pitching and yawing from what acceleration
// adds (its term enters wall: +a·SZ, +a·SY; long tilt: -a·SZ, +a·SY; lateral
// tilt: -a·SZ, -a·SY).
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
    CalculationState& s = state();
    for (int inst = Wall; inst <= LatTilt; ++inst)
        for (int combination = 1; combination < 8; ++combination)
            for (int m = 0; m < 3; ++m) {
                const char* expected = table[inst - Wall][combination - 1][m];
                if (!*expected) continue;
                s = CalculationState{};
                s.Pi = 3.1415927f, s.StaticLoadRating = 20, s.PitchingMomentRating = s.YawingMomentRating = 0.3;
                s.RollingMomentRating = 0.5f, s.CarriageSpanL1 = 200, s.CarriageSpanL1b = 300, s.RailSpanL2 = 300;
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
    state() = CalculationState{};
}

}  // namespace
