// Over random inputs, every horizontal and vertical procedure must hold its
// carriages in equilibrium with the loads: the radial and lateral loads add up
// to the force totals, their moments about the middle of the layout give back
// the installation's moments (worked out here independently, as r x F of each
// force), and what the layout cannot carry by force couples appears in the
// equivalent load.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>

#include "app/CalculationState.h"
#include "loads/LoadProcedures.h"

namespace {

constexpr double g = 9.8;

struct Vec {
    double x, y, z;
};
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec Cross(Vec r, Vec f) { return {r.y * f.z - r.z * f.y, r.z * f.x - r.x * f.z, r.x * f.y - r.y * f.x}; }

enum class Installation { Horizontal, Vertical };

struct Procedure {
    const char* name;
    LoadProcedure run;
    Installation installation;
    int rails;
    int perRail;
};

const Procedure kProcedures[] = {
    {"Horizontal1R1C", LoadHorizontal1R1C, Installation::Horizontal, 1, 1},
    {"Horizontal1R2C", LoadHorizontal1R2C, Installation::Horizontal, 1, 2},
    {"Horizontal1R3C", LoadHorizontal1R3C, Installation::Horizontal, 1, 3},
    {"Horizontal1R4C", LoadHorizontal1R4C, Installation::Horizontal, 1, 4},
    {"Horizontal2R1C", LoadHorizontal2R1C, Installation::Horizontal, 2, 1},
    {"Horizontal2R2C", LoadHorizontal2R2C, Installation::Horizontal, 2, 2},
    {"Horizontal2R3C", LoadHorizontal2R3C, Installation::Horizontal, 2, 3},
    {"Horizontal2R4C", LoadHorizontal2R4C, Installation::Horizontal, 2, 4},
    {"Vertical1R1C", LoadVertical1R1C, Installation::Vertical, 1, 1},
    {"Vertical1R2C", LoadVertical1R2C, Installation::Vertical, 1, 2},
    {"Vertical1R3C", LoadVertical1R3C, Installation::Vertical, 1, 3},
    {"Vertical1R4C", LoadVertical1R4C, Installation::Vertical, 1, 4},
    {"Vertical2R1C", LoadVertical2R1C, Installation::Vertical, 2, 1},
    {"Vertical2R2C", LoadVertical2R2C, Installation::Vertical, 2, 2},
    {"Vertical2R3C", LoadVertical2R3C, Installation::Vertical, 2, 3},
    {"Vertical2R4C", LoadVertical2R4C, Installation::Vertical, 2, 4},
};

void PrintTo(const Procedure& p, std::ostream* os) { *os << p.name; }

// What the carriages must carry in one phase, in the installation's own axes.
struct Expected {
    double radial, lateral;            // force totals, N
    double rolling, pitching, yawing;  // N·mm
};

// Horizontal: travel along X, weights along -Z, inertia along -X in
// acceleration, reacted at the thrust point (0, Y0, Z0); the other arms run
// from the origin. MR = -Mx, MP = My, MY = Mz.
// Vertical: travel along Y, weights along -Y with inertia adding in
// acceleration; moments about the thrust point (X0, 0, Z0), except the
// two-rail rolling moment about the origin. MP = Mx, MR = My, MY = Mz.
Expected Physics(const CalculationState& s, Installation inst, int rails, int phase) {
    const double inertia = phase == 1 ? 1.0 : phase == 3 ? -1.0 : 0.0;
    const double a = s.Acceleration;
    const double masses[3] = {s.Mass1, s.Mass2, s.Mass3};
    const Vec points[3] = {{s.GravityX1, s.GravityY1, s.GravityZ1},
                           {s.GravityX2, s.GravityY2, s.GravityZ2},
                           {s.GravityX3, s.GravityY3, s.GravityZ3}};
    const Vec p4{s.LoadPointX4, s.LoadPointY4, s.LoadPointZ4};
    const Vec p5{s.LoadPointX5, s.LoadPointY5, s.LoadPointZ5};
    const Vec p6{s.LoadPointX6, s.LoadPointY6, s.LoadPointZ6};
    const Vec fx{g * s.LoadFx, 0, 0}, fy{0, g * s.LoadFy, 0}, fz{0, 0, g * s.LoadFz};
    Vec force{0, 0, 0}, moment{0, 0, 0};
    if (inst == Installation::Horizontal) {
        const Vec thrust{0, s.ThrustPointY0, s.ThrustPointZ0};
        for (int k = 0; k < 3; ++k) {
            const Vec weight{0, 0, -g * masses[k]};
            const Vec inertiaForce{-inertia * a * masses[k], 0, 0};
            force = force + weight;
            moment = moment + Cross(points[k], weight) + Cross(points[k] - thrust, inertiaForce);
        }
        moment = moment + Cross(p4, fx) + Cross(p5, fy) + Cross(p6, fz);
        force = force + fx + fy + fz;
        return {-force.z, force.y, -moment.x, moment.y, moment.z};
    }
    const Vec thrust{s.ThrustPointY0, 0, s.ThrustPointZ0};
    for (int k = 0; k < 3; ++k) {
        const Vec weight{0, -(g + inertia * a) * masses[k], 0};
        moment = moment + Cross(points[k] - thrust, weight);
    }
    moment = moment + Cross(p4 - thrust, fx) + Cross(p5 - thrust, fy) + Cross(p6 - thrust, fz);
    const double rolling = rails == 1 ? moment.y : (Cross(p4, fx) + Cross(p6, fz)).y;
    return {-s.LoadFz * g, s.LoadFx * g, rolling, moment.x, moment.z};
}

// Position of carriage i along its rail (carriage 1 at the negative end) and
// across the rails (first rail at -L2/2).
double Along(const CalculationState& s, int perRail, int i) {
    const int k = (i - 1) % perRail;  // place on its rail, counted from carriage 1's end
    const int i1 = i <= perRail ? k : perRail - 1 - k;
    const double L1 = s.CarriageSpanL1, L1b = s.CarriageSpanL1b;
    switch (perRail) {
        case 2:
            return i1 == 0 ? -L1 / 2 : L1 / 2;
        case 3:
            return i1 == 0 ? -L1 / 2 : i1 == 1 ? 0.0 : L1 / 2;
        case 4: {
            const double at[4] = {-L1b / 2, -L1 / 2, L1 / 2, L1b / 2};
            return at[i1];
        }
        default:
            return 0.0;
    }
}
double Across(const CalculationState& s, int rails, int perRail, int i) {
    if (rails == 1) return 0.0;
    return i <= perRail ? -s.RailSpanL2 / 2 : s.RailSpanL2 / 2;
}

// Equal within 1e-9 of the size of the terms that were summed.
void ExpectBalanced(double actual, double expected, double termScale, const char* what) {
    EXPECT_NEAR(actual, expected, 1e-9 * (1.0 + termScale + std::abs(expected))) << what;
}

CalculationState RandomInputs(std::mt19937& rng, bool withInertia) {
    std::uniform_real_distribution<double> coord(-300, 300), mass(0, 200), load(-100, 100), span(50, 500);
    std::uniform_real_distribution<double> rating(0.05, 2), c0(5, 100), accel(0.5, 10);
    CalculationState s;
    s.StaticLoadRating = c0(rng);
    s.PitchingMomentRating = rating(rng);
    s.YawingMomentRating = rating(rng);
    s.RollingMomentRating = static_cast<float>(rating(rng));
    s.Acceleration = withInertia ? accel(rng) : 0.0;
    s.ThrustPointY0 = coord(rng) / 3, s.ThrustPointZ0 = coord(rng) / 3;
    s.CarriageSpanL1 = span(rng);
    s.CarriageSpanL1b = s.CarriageSpanL1 + span(rng);
    s.RailSpanL2 = span(rng);
    s.Mass1 = mass(rng), s.GravityX1 = coord(rng), s.GravityY1 = coord(rng), s.GravityZ1 = coord(rng);
    s.Mass2 = mass(rng), s.GravityX2 = coord(rng), s.GravityY2 = coord(rng), s.GravityZ2 = coord(rng);
    s.Mass3 = mass(rng), s.GravityX3 = coord(rng), s.GravityY3 = coord(rng), s.GravityZ3 = coord(rng);
    s.LoadFx = load(rng), s.LoadPointX4 = coord(rng), s.LoadPointY4 = coord(rng), s.LoadPointZ4 = coord(rng);
    s.LoadFy = load(rng), s.LoadPointX5 = coord(rng), s.LoadPointY5 = coord(rng), s.LoadPointZ5 = coord(rng);
    s.LoadFz = load(rng), s.LoadPointX6 = coord(rng), s.LoadPointY6 = coord(rng);
    s.LoadPointZ6 = static_cast<float>(coord(rng));
    return s;
}

// Rows above N must keep what the calculation step left there.
constexpr double kUntouched = -7777.0;

void RunOn(CalculationState inputs, const Procedure& p) {
    CalculationState& s = state();
    s = inputs;
    for (auto* table : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad})
        for (auto& row : *table) row.fill(kUntouched);
    p.run();
}

class LoadBalance : public testing::TestWithParam<Procedure> {};

TEST_P(LoadBalance, CarriagesBalanceTheLoadsInEveryPhase) {
    const Procedure& p = GetParam();
    const int N = p.rails * p.perRail;
    const double sigma = p.installation == Installation::Horizontal ? 1.0 : -1.0;
    std::mt19937 rng(20240 + N * 7 + p.perRail);
    for (int trial = 0; trial < 200; ++trial) {
        const bool withInertia = trial % 4 != 0;
        RunOn(RandomInputs(rng, withInertia), p);
        const CalculationState& s = state();
        SCOPED_TRACE("trial " + std::to_string(trial));
        for (int j = 1; j <= 3; ++j) {
            SCOPED_TRACE("phase " + std::to_string(j));
            const Expected e = Physics(s, p.installation, p.rails, j);
            double sumR = 0, sumT = 0, pitch = 0, yaw = 0, roll = 0;
            double scaleR = 0, scaleT = 0, scaleP = 0, scaleY = 0, scaleRoll = 0;
            for (int i = 1; i <= N; ++i) {
                const double pr = s.RadialLoad[i][j], pt = s.LateralLoad[i][j];
                const double x = Along(s, p.perRail, i), y = Across(s, p.rails, p.perRail, i);
                sumR += pr, scaleR += std::abs(pr);
                sumT += pt, scaleT += std::abs(pt);
                pitch += pr * x, scaleP += std::abs(pr * x);
                yaw += pt * x, scaleY += std::abs(pt * x);
                roll += pr * y, scaleRoll += std::abs(pr * y);
            }
            ExpectBalanced(sumR, e.radial, scaleR, "radial total");
            ExpectBalanced(sumT, e.lateral, scaleT, "lateral total");
            if (p.perRail > 1) {
                ExpectBalanced(pitch, sigma * e.pitching, scaleP, "pitching moment");
                ExpectBalanced(yaw, sigma * e.yawing, scaleY, "yawing moment");
            }
            if (p.rails == 2) ExpectBalanced(roll, sigma * e.rolling, scaleRoll, "rolling moment");

            // What no force couple carries goes into the equivalent load.
            double unshared = 0;
            if (p.rails == 1) unshared += std::abs(e.rolling) / s.RollingMomentRating;
            if (p.perRail == 1)
                unshared += std::abs(e.pitching) / s.PitchingMomentRating + std::abs(e.yawing) / s.YawingMomentRating;
            const double term = s.StaticLoadRating / (1000.0 * N) * unshared;
            for (int i = 1; i <= N; ++i) {
                const double base = std::abs(s.RadialLoad[i][j]) + std::abs(s.LateralLoad[i][j]);
                ExpectBalanced(s.EquivalentLoad[i][j], base + term, base + term, "equivalent load");
            }
            if (j == 3) {
                ExpectBalanced(s.RollingMoment, e.rolling, std::abs(e.rolling), "rolling moment left");
                ExpectBalanced(s.PitchingMoment, e.pitching, std::abs(e.pitching), "pitching moment left");
                ExpectBalanced(s.YawingMoment, e.yawing, std::abs(e.yawing), "yawing moment left");
            }
        }
        // Acceleration and deceleration lie symmetrically about uniform speed,
        // and without inertia all three phases are alike.
        for (int i = 1; i <= N; ++i) {
            for (const auto* table : {&s.RadialLoad, &s.LateralLoad}) {
                const auto& t = *table;
                const double scale = std::abs(t[i][1]) + std::abs(t[i][2]) + std::abs(t[i][3]);
                ExpectBalanced(t[i][1] + t[i][3], 2 * t[i][2], scale, "acceleration + deceleration");
                if (!withInertia) ExpectBalanced(t[i][1], t[i][2], scale, "no inertia: acceleration");
                if (!withInertia) ExpectBalanced(t[i][3], t[i][2], scale, "no inertia: deceleration");
            }
            const auto& pe = s.EquivalentLoad;
            if (!withInertia) ExpectBalanced(pe[i][1], pe[i][2], pe[i][2], "no inertia: equivalent load");
            if (!withInertia) ExpectBalanced(pe[i][3], pe[i][2], pe[i][2], "no inertia: equivalent load");
        }
        for (int i = N + 1; i <= 8; ++i)
            for (int j = 0; j <= 3; ++j) {
                EXPECT_EQ(s.RadialLoad[i][j], kUntouched);
                EXPECT_EQ(s.LateralLoad[i][j], kUntouched);
                EXPECT_EQ(s.EquivalentLoad[i][j], kUntouched);
            }
        for (int i = 1; i <= N; ++i) EXPECT_EQ(s.EquivalentLoad[i][0], kUntouched) << "phase 0 is never written";
    }
    state() = CalculationState{};
}

class MiddleCarriage : public testing::TestWithParam<Procedure> {};

TEST_P(MiddleCarriage, TakesNoAlongRailShare) {
    const Procedure& p = GetParam();
    const int N = p.rails * 3;
    const double sigma = p.installation == Installation::Horizontal ? 1.0 : -1.0;
    std::mt19937 rng(99);
    for (int trial = 0; trial < 50; ++trial) {
        RunOn(RandomInputs(rng, true), p);
        const CalculationState& s = state();
        for (int j = 1; j <= 3; ++j) {
            const Expected e = Physics(s, p.installation, p.rails, j);
            const double rollShare = p.rails == 2 ? sigma * e.rolling / (3 * s.RailSpanL2) : 0.0;
            for (int i : {2, 5}) {
                if (i > N) continue;
                const double side = i <= 3 ? -1.0 : 1.0;
                ExpectBalanced(s.RadialLoad[i][j], e.radial / N + side * rollShare,
                               std::abs(e.radial / N) + std::abs(rollShare), "middle radial");
                ExpectBalanced(s.LateralLoad[i][j], e.lateral / N, std::abs(e.lateral / N), "middle lateral");
            }
        }
    }
    state() = CalculationState{};
}

TEST_P(LoadBalance, CoordinatesAlongTheirOwnForceChangeNothing) {
    const Procedure& p = GetParam();
    std::mt19937 rng(4242);
    for (int trial = 0; trial < 20; ++trial) {
        CalculationState inputs = RandomInputs(rng, true);
        RunOn(inputs, p);
        const CalculationState first = state();
        inputs.LoadPointX4 += 123, inputs.LoadPointY5 -= 77, inputs.LoadPointZ6 += 55.5f;
        inputs.InclinationAngle = 30, inputs.DynamicLoadRating = 99;
        if (p.installation == Installation::Vertical)
            inputs.GravityY1 += 10, inputs.GravityY2 -= 20, inputs.GravityY3 += 30;
        RunOn(inputs, p);
        EXPECT_EQ(state().RadialLoad, first.RadialLoad);
        EXPECT_EQ(state().LateralLoad, first.LateralLoad);
        EXPECT_EQ(state().EquivalentLoad, first.EquivalentLoad);
    }
    state() = CalculationState{};
}

std::string ProcedureName(const testing::TestParamInfo<Procedure>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(AllSixteen, LoadBalance, testing::ValuesIn(kProcedures), ProcedureName);
INSTANTIATE_TEST_SUITE_P(ThreePerRail, MiddleCarriage,
                         testing::Values(kProcedures[2], kProcedures[6], kProcedures[10], kProcedures[14]),
                         ProcedureName);

}  // namespace
