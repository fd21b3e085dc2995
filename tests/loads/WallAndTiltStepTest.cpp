// The calculation step reaches every wall and tilted procedure, stores Pi for
// the tilted ones, and refuses what those procedures cannot divide by.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "WallAndTiltTestSupport.h"
#include "operation/CalculationStep.h"

namespace {

using loadtest::CarriagesOf;
using loadtest::FreshState;
using loadtest::kWallAndTilted;

// Text1..Text30: Y0, Z0, L1, L1', L2, θ, m1, X1, Y1, Z1, m2, X2, Y2, Z2, m3,
// X3, Y3, Z3, fx, X4, Y4, Z4, fy, X5, Y5, Z5, fz, X6, Y6, Z6.
std::array<std::string, 30> Entries() {
    return {"5", "-10", "200", "320", "400", "30", "50", "40", "30", "60", "20", "-30", "0",   "10", "0",
            "0", "0",   "0",   "4",   "0",   "10", "50", "-3", "20", "0",  "15", "6",   "-40", "25", "0"};
}

CalculationState& Selected(int installation, int combination) {
    CalculationState& s = FreshState();
    s.Pi = 0.0f;  // as before any tilted calculation
    s.InstallationIndex = static_cast<std::int16_t>(installation);
    s.CombinationIndex = static_cast<std::int16_t>(combination);
    s.Acceleration = 1.2;
    return s;
}

TEST(WallAndTiltedStep, DispatchFindsEachProcedure) {
    for (const auto& p : kWallAndTilted) EXPECT_EQ(FindLoadProcedure(p.installation, p.combination), p.run) << p.name;
}

TEST(WallAndTiltedStep, EveryCaseCalculatesAndTiltedOnesStorePi) {
    for (const auto& p : kWallAndTilted) {
        SCOPED_TRACE(p.name);
        CalculationState& s = Selected(p.installation, p.combination);
        const StepOutcome outcome = RunCalculationStep(Entries());
        EXPECT_TRUE(outcome.calculated);
        EXPECT_EQ(outcome.refusal, "");
        EXPECT_EQ(s.Pi, p.installation == 2 ? 0.0f : 3.1415927f);
        EXPECT_EQ(s.InclinationAngle, 30.0f);
        const int N = CarriagesOf(p.combination);
        for (int i = 1; i <= 8; ++i)
            for (int j = 1; j <= 3; ++j) {
                EXPECT_TRUE(std::isfinite(s.EquivalentLoad[i][j]));
                if (i <= N)
                    EXPECT_GT(s.EquivalentLoad[i][j], 0.0) << i << "," << j;
                else
                    EXPECT_EQ(s.EquivalentLoad[i][j], 0.0) << i << "," << j;
            }

        // The same loads as the procedure run on the stored entries.
        const CalculationState stepped = s;
        s.RadialLoad = {};
        s.LateralLoad = {};
        s.EquivalentLoad = {};
        p.run();
        EXPECT_EQ(s.RadialLoad, stepped.RadialLoad);
        EXPECT_EQ(s.EquivalentLoad, stepped.EquivalentLoad);
    }
}

TEST(WallAndTiltedStep, ZeroDivisorIsRefusedWithTablesLeftCleared) {
    struct Case {
        int combination;
        const char* what;
        int text;  // field set to "0", or -1 for a rating
    };
    const Case cases[] = {
        {1, "L1", 2}, {2, "L1", 2},       {4, "L2", 4},       {5, "L2", 4},        {6, "L1", 2},
        {7, "L2", 4}, {0, "rolling", -1}, {3, "rolling", -1}, {4, "pitching", -1},
    };
    for (int installation = 2; installation <= 4; ++installation)
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << "installation " << installation << " combination " << c.combination << " " << c.what);
            CalculationState& s = Selected(installation, c.combination);
            s.RadialLoad[1][2] = 123.0;  // from an earlier calculation
            std::array<std::string, 30> texts = Entries();
            if (c.text >= 0) texts[c.text] = "0";
            if (std::string(c.what) == "rolling") s.RollingMomentRating = 0.0f;
            if (std::string(c.what) == "pitching") s.PitchingMomentRating = 0.0;
            const StepOutcome outcome = RunCalculationStep(texts);
            EXPECT_FALSE(outcome.calculated);
            EXPECT_NE(outcome.refusal.find(c.what), std::string::npos) << outcome.refusal;
            for (int i = 1; i <= 8; ++i)
                for (int j = 1; j <= 3; ++j) EXPECT_EQ(s.RadialLoad[i][j], 0.0);
        }
}

}  // namespace
