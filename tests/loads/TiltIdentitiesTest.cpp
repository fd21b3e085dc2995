// Properties that every wall and tilted procedure must have whatever the
// inputs: the carriages carry exactly the forces and moments put on the table
// (worked out here from the loads' directions and points, not from the
// installations' moment formulas), the columns differ only by inertia, and
// the tilted installations turn into the horizontal one at 0 degrees and the
// laterally tilted one into the wall at 90 degrees.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "WallAndTiltTestSupport.h"
#include "loads/LongTilt.h"

namespace {

using loadtest::CarriagesOf;
using loadtest::FreshState;
using loadtest::kWallAndTilted;
using loadtest::Near;

constexpr double g = 9.8;

void RandomInputs(CalculationState& s, std::mt19937& rng) {
    auto u = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    s.Mass1 = u(1, 200);
    s.Mass2 = u(0, 100);
    s.Mass3 = u(0, 50);
    for (double* p : {&s.GravityX1, &s.GravityY1, &s.GravityZ1, &s.GravityX2, &s.GravityY2, &s.GravityZ2, &s.GravityX3,
                      &s.GravityY3, &s.GravityZ3, &s.LoadPointX4, &s.LoadPointY4, &s.LoadPointZ4, &s.LoadPointX5,
                      &s.LoadPointY5, &s.LoadPointZ5, &s.LoadPointX6, &s.LoadPointY6})
        *p = u(-300, 300);
    s.LoadPointZ6 = static_cast<float>(u(-300, 300));
    s.LoadFx = u(-50, 50);
    s.LoadFy = u(-50, 50);
    s.LoadFz = u(-50, 50);
    s.ThrustPointY0 = u(-100, 100);
    s.ThrustPointZ0 = u(-100, 100);
    s.Acceleration = u(0, 5);
    s.CarriageSpanL1 = u(50, 400);
    s.CarriageSpanL1b = s.CarriageSpanL1 + u(20, 300);
    s.RailSpanL2 = u(100, 600);
    s.StaticLoadRating = u(5, 100);
    s.PitchingMomentRating = u(0.05, 2);
    s.YawingMomentRating = s.PitchingMomentRating;
    s.RollingMomentRating = static_cast<float>(u(0.05, 2));
    s.InclinationAngle = static_cast<float>(u(-90, 90));
}

// Where carriage i stands: X along the rail from the middle of its group, Y
// across the rails (first rail at -L2/2).
struct Place {
    double x, y;
};

std::vector<Place> Places(const CalculationState& s, int combination) {
    const int rails = combination < 4 ? 1 : 2;
    const int k = combination < 4 ? combination + 1 : combination - 3;
    const double L1 = s.CarriageSpanL1, L1b = s.CarriageSpanL1b, L2 = s.RailSpanL2;
    std::vector<double> along;
    if (k == 1) along = {0};
    if (k == 2) along = {-L1 / 2, L1 / 2};
    if (k == 3) along = {-L1 / 2, 0, L1 / 2};
    if (k == 4) along = {-L1b / 2, -L1 / 2, L1 / 2, L1b / 2};
    std::vector<Place> places;
    for (double x : along) places.push_back({x, rails == 1 ? 0 : -L2 / 2});
    if (rails == 2)
        for (int i = k - 1; i >= 0; --i) places.push_back({along[i], L2 / 2});
    return places;
}

// Force and moment about the origin that the table puts on the carriages
// (N, N·mm), with the forces along the travel axis taken up by the drive at
// the thrust point. The wall takes the arms of fx from the origin.
struct Resultant {
    double Fy = 0, Fz = 0, Mx = 0, My = 0, Mz = 0;
    double forceSize = 0, momentSize = 0;  // sums of magnitudes, for tolerances

    void Add(double fx, double fy, double fz, double x, double y, double z, double Y0, double Z0) {
        Fy += fy;
        Fz += fz;
        Mx += y * fz - z * fy;
        My += (z - Z0) * fx - x * fz;
        Mz += x * fy - (y - Y0) * fx;
        forceSize += std::abs(fx) + std::abs(fy) + std::abs(fz);
        momentSize += (std::abs(x) + std::abs(y) + std::abs(z) + std::abs(Y0) + std::abs(Z0)) *
                      (std::abs(fx) + std::abs(fy) + std::abs(fz));
    }
};

Resultant TableLoad(const CalculationState& s, int installation, int phase) {
    const double c = InclinationCosine(s), sn = InclinationSine(s);
    double gx = 0, gy = 0, gz = -g;
    if (installation == 2) gy = -g, gz = 0;            // wall: weights along -Y
    if (installation == 3) gx = -g * sn, gz = -g * c;  // rail rising along +X
    if (installation == 4) gy = -g * sn, gz = -g * c;  // plane rising along +Y
    const double inertia = phase == 1 ? -s.Acceleration : phase == 3 ? s.Acceleration : 0;
    const double Y0 = s.ThrustPointY0, Z0 = s.ThrustPointZ0;

    Resultant r;
    const double masses[3][4] = {{s.Mass1, s.GravityX1, s.GravityY1, s.GravityZ1},
                                 {s.Mass2, s.GravityX2, s.GravityY2, s.GravityZ2},
                                 {s.Mass3, s.GravityX3, s.GravityY3, s.GravityZ3}};
    for (const auto& m : masses) r.Add(m[0] * (gx + inertia), m[0] * gy, m[0] * gz, m[1], m[2], m[3], Y0, Z0);
    const bool fxFromOrigin = installation == 2;
    r.Add(g * s.LoadFx, 0, 0, s.LoadPointX4, s.LoadPointY4, s.LoadPointZ4, fxFromOrigin ? 0 : Y0,
          fxFromOrigin ? 0 : Z0);
    r.Add(0, g * s.LoadFy, 0, s.LoadPointX5, s.LoadPointY5, s.LoadPointZ5, Y0, Z0);
    r.Add(0, 0, g * s.LoadFz, s.LoadPointX6, s.LoadPointY6, s.LoadPointZ6, Y0, Z0);
    return r;
}

// The carriages carry the table's forces and moments, each carriage's share
// growing with its distance from the middle, and what the layout cannot carry
// by couples goes into the equivalent load against the ratings.
void ExpectEquilibrium(const CalculationState& s, const loadtest::Procedure& p) {
    const std::vector<Place> at = Places(s, p.combination);
    const int N = static_cast<int>(at.size());
    const int rails = p.combination < 4 ? 1 : 2;
    const int perRail = N / rails;
    double minSpan = std::min(s.CarriageSpanL1, s.RailSpanL2);
    for (int j = 1; j <= 3; ++j) {
        SCOPED_TRACE(testing::Message() << "phase " << j);
        const Resultant r = TableLoad(s, p.installation, j);
        const double forceScale = r.forceSize + r.momentSize / minSpan;
        double sumR = 0, sumT = 0, xR = 0, xT = 0, yR = 0, xx = 0, yy = 0;
        for (int i = 1; i <= N; ++i) {
            const double PR = s.RadialLoad[i][j], PT = s.LateralLoad[i][j];
            sumR += PR, sumT += PT;
            xR += at[i - 1].x * PR, xT += at[i - 1].x * PT, yR += at[i - 1].y * PR;
            xx += at[i - 1].x * at[i - 1].x, yy += at[i - 1].y * at[i - 1].y;
        }
        EXPECT_TRUE(Near(sumR, -r.Fz, forceScale)) << "radial total";
        EXPECT_TRUE(Near(sumT, r.Fy, forceScale)) << "lateral total";
        const double momentScale = r.momentSize + forceScale * s.RailSpanL2;
        if (perRail > 1) {
            EXPECT_TRUE(Near(xR, r.My, momentScale)) << "pitching";
            EXPECT_TRUE(Near(xT, r.Mz, momentScale)) << "yawing";
        }
        if (rails == 2) {
            EXPECT_TRUE(Near(yR, -r.Mx, momentScale)) << "rolling";
        }
        for (int i = 1; i <= N; ++i) {
            const Place& q = at[i - 1];
            const double linearR = sumR / N + (xx > 0 ? xR / xx * q.x : 0) + (yy > 0 ? yR / yy * q.y : 0);
            const double linearT = sumT / N + (xx > 0 ? xT / xx * q.x : 0);
            EXPECT_TRUE(Near(s.RadialLoad[i][j], linearR, forceScale)) << "radial share of " << i;
            EXPECT_TRUE(Near(s.LateralLoad[i][j], linearT, forceScale)) << "lateral share of " << i;
        }
        double unshared = 0;
        const double C0 = s.StaticLoadRating, MR0 = s.RollingMomentRating;
        if (rails == 1) unshared += std::abs(r.Mx) / MR0;
        if (perRail == 1) unshared += std::abs(r.My) / s.PitchingMomentRating + std::abs(r.Mz) / s.YawingMomentRating;
        const double term = C0 / (1000.0 * N) * unshared;
        for (int i = 1; i <= N; ++i) {
            const double PE = s.EquivalentLoad[i][j];
            EXPECT_TRUE(Near(PE - std::abs(s.RadialLoad[i][j]) - std::abs(s.LateralLoad[i][j]), term,
                             forceScale + C0 / 1000.0 * momentScale / std::min(MR0, 0.05) + PE))
                << "equivalent load of " << i;
        }
    }
}

TEST(WallAndTilted, CarriagesCarryWhatTheTablePutsOnThem) {
    std::mt19937 rng(8);
    for (int trial = 0; trial < 40; ++trial)
        for (const auto& p : kWallAndTilted) {
            SCOPED_TRACE(testing::Message() << p.name << " trial " << trial);
            CalculationState& s = FreshState();
            RandomInputs(s, rng);
            if (trial == 0) s.InclinationAngle = 90;
            if (trial == 1) s.InclinationAngle = -90;
            p.run();
            ExpectEquilibrium(s, p);
        }
}

TEST(WallAndTilted, ColumnsDifferOnlyByInertia) {
    std::mt19937 rng(88);
    for (int trial = 0; trial < 20; ++trial)
        for (const auto& p : kWallAndTilted) {
            SCOPED_TRACE(testing::Message() << p.name << " trial " << trial);
            CalculationState& s = FreshState();
            RandomInputs(s, rng);
            const bool still = trial % 2 == 0;
            if (still) s.Acceleration = 0;
            // Cells this layout does not own must be left alone.
            const int N = CarriagesOf(p.combination);
            for (auto* table : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad})
                for (int i = 0; i <= 8; ++i)
                    for (int j = 0; j <= 3; ++j)
                        if (i == 0 || j == 0 || i > N) (*table)[i][j] = 7.0;
            p.run();
            for (auto* table : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad}) {
                const auto& t = *table;
                for (int i = 0; i <= 8; ++i)
                    for (int j = 0; j <= 3; ++j)
                        if (i == 0 || j == 0 || i > N) {
                            EXPECT_EQ(t[i][j], 7.0) << i << "," << j;
                        }
                for (int i = 1; i <= N; ++i) {
                    const double size = std::abs(t[i][1]) + std::abs(t[i][2]) + std::abs(t[i][3]);
                    ASSERT_TRUE(std::isfinite(size));
                    if (still) {
                        EXPECT_TRUE(Near(t[i][1], t[i][2], size));
                        EXPECT_TRUE(Near(t[i][3], t[i][2], size));
                    } else if (table != &s.EquivalentLoad) {
                        EXPECT_TRUE(Near(t[i][1] + t[i][3], 2 * t[i][2], size));
                    }
                }
            }
        }
}

// Runs `procedure` on `s` and returns the three tables.
std::array<CalculationState::LoadTable, 3> Tables(const CalculationState& s, LoadProcedure procedure) {
    state() = s;
    procedure();
    return {state().RadialLoad, state().LateralLoad, state().EquivalentLoad};
}

void ExpectSameTables(const std::array<CalculationState::LoadTable, 3>& a,
                      const std::array<CalculationState::LoadTable, 3>& b, double relative) {
    double size = 0;
    for (const auto& t : a)
        for (const auto& row : t)
            for (double v : row) size = std::max(size, std::abs(v));
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i <= 8; ++i)
            for (int j = 0; j <= 3; ++j)
                EXPECT_NEAR(a[k][i][j], b[k][i][j], relative * size) << "table " << k << " cell " << i << "," << j;
}

TEST(WallAndTilted, TiltedInstallationsMeetHorizontalAndWall) {
    const LoadProcedure horizontal[] = {LoadHorizontal1R1C, LoadHorizontal1R2C, LoadHorizontal1R3C, LoadHorizontal1R4C,
                                        LoadHorizontal2R1C, LoadHorizontal2R2C, LoadHorizontal2R3C, LoadHorizontal2R4C};
    const LoadProcedure wall[] = {LoadWall1R1C, LoadWall1R2C, LoadWall1R3C, LoadWall1R4C,
                                  LoadWall2R1C, LoadWall2R2C, LoadWall2R3C, LoadWall2R4C};
    std::mt19937 rng(808);
    for (int trial = 0; trial < 20; ++trial)
        for (const auto& p : kWallAndTilted) {
            if (p.installation == 2) continue;
            SCOPED_TRACE(testing::Message() << p.name << " trial " << trial);
            CalculationState s = FreshState();
            RandomInputs(s, rng);
            // fx takes its arms from the origin in the horizontal and wall
            // installations and from the thrust point in the tilted ones.
            if (trial % 2 == 0)
                s.ThrustPointY0 = s.ThrustPointZ0 = 0;
            else
                s.LoadFx = 0;
            s.InclinationAngle = 0;
            ExpectSameTables(Tables(s, p.run), Tables(s, horizontal[p.combination]), 1e-12);
            if (p.installation == 4) {
                // With the 32-bit Pi the cosine at 90 degrees is -4.4e-8, not 0.
                s.InclinationAngle = 90;
                ExpectSameTables(Tables(s, p.run), Tables(s, wall[p.combination]), 1e-6);
            }
        }
}

// The sign of each carriage's share of each moment, as the installations'
// tables give them ('+', '-', '0' none), checked by moments of known sign:
// rolling from a mass off-centre at rest, pitching and yawing from the change
// that acceleration makes (the inertia term enters the installation's
// moments with the sign given).
struct SignTable {
    int installation, combination;
    const char* rolling;  // empty with one rail
    const char* pitching;
    const char* yawing;
};

constexpr SignTable kSigns[] = {
    {2, 1, "", "+-", "-+"},
    {2, 2, "", "+0-", "-0+"},
    {2, 3, "", "++--", "--++"},
    {2, 4, "+-", "00", "00"},
    {2, 5, "++--", "+--+", "-++-"},
    {2, 6, "+++---", "+0--0+", "-0++0-"},
    {2, 7, "++++----", "++----++", "--++++--"},
    {3, 1, "", "-+", "-+"},
    {3, 2, "", "-0+", "-0+"},
    {3, 3, "", "--++", "--++"},
    {3, 4, "-+", "00", "00"},
    {3, 5, "--++", "-++-", "-++-"},
    {3, 6, "---+++", "-0++0-", "-0++0-"},
    {3, 7, "----++++", "--++++--", "--++++--"},
    {4, 1, "", "-+", "+-"},
    {4, 2, "", "-0+", "+0-"},
    {4, 3, "", "--++", "++--"},
    {4, 4, "-+", "00", "00"},
    {4, 5, "--++", "-++-", "+--+"},
    {4, 6, "---+++", "-0++0-", "+0--0+"},
    {4, 7, "----++++", "--++++--", "++----++"},
};

// Sign of the acceleration's inertia term in the installation's pitching and
// yawing moments (wall: +a·SZ, +a·SY; longitudinally tilted: -a·SZ, +a·SY;
// laterally tilted: -a·SZ, -a·SY).
double PitchingInertiaSign(int installation) { return installation == 2 ? 1 : -1; }
double YawingInertiaSign(int installation) { return installation == 4 ? -1 : 1; }

char SignOf(double v, double size) { return std::abs(v) <= 1e-9 * size ? '0' : v > 0 ? '+' : '-'; }

TEST(WallAndTilted, ShareSignsFollowTheInstallationTables) {
    for (const SignTable& t : kSigns) {
        LoadProcedure run = FindLoadProcedure(t.installation, t.combination);
        ASSERT_NE(run, nullptr);
        SCOPED_TRACE(testing::Message() << "installation " << t.installation << " combination " << t.combination);
        const int N = CarriagesOf(t.combination);

        if (*t.rolling) {
            // Positive rolling moment: a mass at +Z on the wall, at +Y tilted.
            CalculationState& s = FreshState();
            s.Mass1 = 10;
            (t.installation == 2 ? s.GravityZ1 : s.GravityY1) = 100;
            run();
            std::string signs;
            for (int i = 1; i <= N; ++i)
                signs += SignOf(s.RadialLoad[i][2] - s.RadialLoad[1][2] / 2 - s.RadialLoad[N][2] / 2, 100);
            EXPECT_EQ(signs, t.rolling);
        }
        for (bool yawing : {false, true}) {
            CalculationState& s = FreshState();
            s.Mass1 = 10;
            s.Acceleration = 1;
            (yawing ? s.GravityY1 : s.GravityZ1) = 100;
            run();
            const double sign = yawing ? YawingInertiaSign(t.installation) : PitchingInertiaSign(t.installation);
            const auto& table = yawing ? s.LateralLoad : s.RadialLoad;
            std::string signs;
            for (int i = 1; i <= N; ++i) signs += SignOf(sign * (table[i][1] - table[i][2]), 100);
            EXPECT_EQ(signs, yawing ? t.yawing : t.pitching) << (yawing ? "yawing" : "pitching");
        }
    }
}

}  // namespace
