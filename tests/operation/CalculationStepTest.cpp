#include "operation/CalculationStep.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "app/CalculationState.h"
#include "loads/LoadProcedures.h"

namespace {

using Texts = std::array<std::string, 30>;

// A complete, sound set of entries: thrust point, spans L1 = 200, L1' = 400,
// L2 = 300, one mass with an offset gravity point and three external loads.
Texts SoundTexts() {
    return {"10", "-20", "200", "400", "300", "0",  "50", "120", "-40", "60", "0",  "0", "0",  "0",  "0",
            "0",  "0",   "0",   "5",   "0",   "30", "80", "4",   "-90", "0",  "25", "3", "70", "15", "0"};
}

void SelectCase(int installation, int combination) {
    CalculationState& s = state();
    s.InstallationIndex = static_cast<std::int16_t>(installation);
    s.CombinationIndex = static_cast<std::int16_t>(combination);
    s.StaticLoadRating = 20;
    s.PitchingMomentRating = 0.3;
    s.YawingMomentRating = 0.3;
    s.RollingMomentRating = 0.4f;
    s.Acceleration = 2;
}

bool TablesClear(const CalculationState& s) {
    for (int i = 1; i <= 8; ++i) {
        if (s.MeanLoad[i] != 0.0f) return false;
        for (int j = 1; j <= 3; ++j)
            if (s.RadialLoad[i][j] != 0.0 || s.LateralLoad[i][j] != 0.0 || s.EquivalentLoad[i][j] != 0.0) return false;
    }
    return true;
}

// The thirty fields in the order of their boxes, widened.
std::array<double, 30> StoredEntries(const CalculationState& s) {
    return {
        s.ThrustPointY0, s.ThrustPointZ0, s.CarriageSpanL1, s.CarriageSpanL1b, s.RailSpanL2,  s.InclinationAngle,
        s.Mass1,         s.GravityX1,     s.GravityY1,      s.GravityZ1,       s.Mass2,       s.GravityX2,
        s.GravityY2,     s.GravityZ2,     s.Mass3,          s.GravityX3,       s.GravityY3,   s.GravityZ3,
        s.LoadFx,        s.LoadPointX4,   s.LoadPointY4,    s.LoadPointZ4,     s.LoadFy,      s.LoadPointX5,
        s.LoadPointY5,   s.LoadPointZ5,   s.LoadFz,         s.LoadPointX6,     s.LoadPointY6, s.LoadPointZ6,
    };
}

class CalculationStep : public testing::Test {
protected:
    void SetUp() override { state() = CalculationState{}; }
    void TearDown() override { state() = CalculationState{}; }
};

TEST_F(CalculationStep, StoresEachTextInItsOwnField) {
    Texts texts;
    for (int i = 0; i < 30; ++i) texts[i] = std::to_string(i + 1) + ".5";
    RunCalculationStep(texts);
    const auto stored = StoredEntries(state());
    for (int i = 0; i < 30; ++i) EXPECT_EQ(stored[i], i + 1.5) << "Text" << i + 1;
}

TEST_F(CalculationStep, ReadsTheLeadingNumberAndNarrowsTheThirtyTwoBitFields) {
    const std::string sixtyNines(60, '9');
    struct Case {
        int box;  // Text1..Text30
        std::string text;
        double expected;
    };
    const Case cases[] = {
        {1, "", 0.0},
        {2, "-", 0.0},
        {3, ".", 0.0},
        {7, "-12.5", -12.5},
        {8, "12.", 12.0},
        {9, "3abc", 3.0},
        {7, "0.1", 0.1},
        {6, "0.1", static_cast<double>(0.1f)},
        {6, "30", 30.0},
        {30, "0.1", static_cast<double>(0.1f)},
        {6, sixtyNines, static_cast<double>(std::numeric_limits<float>::max())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("Text" + std::to_string(c.box) + " \"" + c.text + "\"");
        Texts texts = SoundTexts();
        texts[c.box - 1] = c.text;
        RunCalculationStep(texts);
        EXPECT_EQ(StoredEntries(state())[c.box - 1], c.expected);
    }
}

TEST_F(CalculationStep, ClearsWhatAnEarlierLayoutLeft) {
    SelectCase(0, 7);
    ASSERT_TRUE(RunCalculationStep(SoundTexts()).calculated);
    for (int i = 1; i <= 8; ++i) ASSERT_NE(state().RadialLoad[i][2], 0.0) << "carriage " << i;
    state().MeanLoad.fill(123.0f);
    state().RadialLoad[0][0] = 5.0;  // row 0 and column 0 are no business of the step

    SelectCase(1, 1);
    ASSERT_TRUE(RunCalculationStep(SoundTexts()).calculated);
    const CalculationState& s = state();
    EXPECT_NE(s.LateralLoad[1][1], 0.0);
    for (int i = 3; i <= 8; ++i)
        for (int j = 1; j <= 3; ++j) {
            EXPECT_EQ(s.RadialLoad[i][j], 0.0);
            EXPECT_EQ(s.LateralLoad[i][j], 0.0);
            EXPECT_EQ(s.EquivalentLoad[i][j], 0.0);
        }
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(s.MeanLoad[i], 0.0f);
    EXPECT_EQ(s.MeanLoad[0], 123.0f);
    EXPECT_EQ(s.RadialLoad[0][0], 5.0);
}

TEST_F(CalculationStep, DispatchTableFollowsEightTimesInstallationPlusCombination) {
    const LoadProcedure expected[40] = {
        LoadHorizontal1R1C, LoadHorizontal1R2C, LoadHorizontal1R3C, LoadHorizontal1R4C, LoadHorizontal2R1C,
        LoadHorizontal2R2C, LoadHorizontal2R3C, LoadHorizontal2R4C, LoadVertical1R1C,   LoadVertical1R2C,
        LoadVertical1R3C,   LoadVertical1R4C,   LoadVertical2R1C,   LoadVertical2R2C,   LoadVertical2R3C,
        LoadVertical2R4C,   LoadWall1R1C,       LoadWall1R2C,       LoadWall1R3C,       LoadWall1R4C,
        LoadWall2R1C,       LoadWall2R2C,       LoadWall2R3C,       LoadWall2R4C,       LoadLongTilt1R1C,
        LoadLongTilt1R2C,   LoadLongTilt1R3C,   LoadLongTilt1R4C,   LoadLongTilt2R1C,   LoadLongTilt2R2C,
        LoadLongTilt2R3C,   LoadLongTilt2R4C,   LoadLatTilt1R1C,    LoadLatTilt1R2C,    LoadLatTilt1R3C,
        LoadLatTilt1R4C,    LoadLatTilt2R1C,    LoadLatTilt2R2C,    LoadLatTilt2R3C,    LoadLatTilt2R4C,
    };
    for (int n = 0; n < 40; ++n) EXPECT_EQ(FindLoadProcedure(n / 8, n % 8), expected[n]) << "procedure " << n;
    const std::pair<int, int> outside[] = {{-1, 0}, {5, 0}, {0, -1}, {0, 8}, {4, 8}, {32767, 3}};
    for (const auto& [installation, combination] : outside)
        EXPECT_EQ(FindLoadProcedure(installation, combination), nullptr) << installation << "/" << combination;
}

TEST_F(CalculationStep, StoresPiOnlyForTheTiltedInstallations) {
    const std::uint32_t piBits = 0x40490FDB;
    struct Case {
        int installation, combination;
        bool storesPi;
    };
    const Case cases[] = {{0, 5, false}, {1, 0, false}, {2, 3, false}, {3, 5, true},
                          {4, 0, true},  {4, 9, true},  {5, 0, false}, {-1, 2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.installation) + "/" + std::to_string(c.combination));
        state() = CalculationState{};
        SelectCase(c.installation, c.combination);
        RunCalculationStep(SoundTexts());
        EXPECT_EQ(std::bit_cast<std::uint32_t>(state().Pi), c.storesPi ? piBits : 0u);
    }
    // Once stored it stays through later calculations of other installations.
    SelectCase(3, 1);
    RunCalculationStep(SoundTexts());
    SelectCase(0, 5);
    RunCalculationStep(SoundTexts());
    EXPECT_EQ(std::bit_cast<std::uint32_t>(state().Pi), piBits);
}

TEST_F(CalculationStep, IndexOutsideTheTableRunsNothing) {
    const std::pair<int, int> outside[] = {{5, 0}, {-1, 3}, {0, 8}, {1, -1}};
    for (const auto& [installation, combination] : outside) {
        SelectCase(0, 7);
        ASSERT_TRUE(RunCalculationStep(SoundTexts()).calculated);
        const double scratch = state().PitchingMoment;
        SelectCase(installation, combination);
        const StepOutcome outcome = RunCalculationStep(SoundTexts());
        EXPECT_TRUE(outcome.calculated);
        EXPECT_TRUE(outcome.refusal.empty());
        EXPECT_TRUE(TablesClear(state()));
        EXPECT_EQ(state().PitchingMoment, scratch);
    }
}

TEST_F(CalculationStep, RefusesAZeroDivisorOfTheChosenLayout) {
    struct Case {
        int installation, combination;
        int box;             // Text box set to "0" (0: none)
        float rollRating;    // MR0
        double pitchRating;  // MP0 (and MY0 when yawOnly is false)
        bool yawOnly;
        const char* words;  // expected in the warning; empty when the layout calculates
    };
    const Case cases[] = {
        {0, 1, 3, 0.4f, 0.3, false, "carriage span L1"},
        {0, 2, 3, 0.4f, 0.3, false, "carriage span L1"},
        {1, 5, 3, 0.4f, 0.3, false, "carriage span L1"},
        {0, 6, 3, 0.4f, 0.3, false, "carriage span L1"},
        {2, 1, 3, 0.4f, 0.3, false, "carriage span L1"},
        {0, 4, 3, 0.4f, 0.3, false, ""},  // one carriage per rail: no L1
        {0, 3, 4, 0.4f, 0.3, false, ""},  // L1' alone zero leaves D = L1²
        {1, 4, 5, 0.4f, 0.3, false, "rail span L2"},
        {0, 7, 5, 0.4f, 0.3, false, "rail span L2"},
        {0, 1, 5, 0.4f, 0.3, false, ""},  // one rail: no L2
        {0, 0, 0, 0.0f, 0.3, false, "rolling moment"},
        {1, 3, 0, 0.0f, 0.3, false, "rolling moment"},
        {0, 5, 0, 0.0f, 0.0, false, ""},  // two rails of two: no ratings
        {0, 4, 0, 0.4f, 0.0, false, "pitching moment"},
        {1, 0, 0, 0.4f, 0.0, false, "pitching moment"},
        {1, 4, 0, 0.4f, 0.0, true, "yawing moment"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.installation) + "/" + std::to_string(c.combination) + " box " +
                     std::to_string(c.box));
        state() = CalculationState{};
        SelectCase(0, 7);
        ASSERT_TRUE(RunCalculationStep(SoundTexts()).calculated);
        const double scratch[3] = {state().RollingMoment, state().PitchingMoment, state().YawingMoment};

        SelectCase(c.installation, c.combination);
        state().RollingMomentRating = c.rollRating;
        if (c.yawOnly)
            state().YawingMomentRating = c.pitchRating;
        else
            state().PitchingMomentRating = state().YawingMomentRating = c.pitchRating;
        Texts texts = SoundTexts();
        if (c.box != 0) texts[c.box - 1] = "0";
        if (c.box == 4) texts[2] = "200";
        const StepOutcome outcome = RunCalculationStep(texts);

        if (*c.words == '\0') {
            EXPECT_TRUE(outcome.calculated) << outcome.refusal;
            continue;
        }
        EXPECT_FALSE(outcome.calculated);
        EXPECT_NE(outcome.refusal.find(c.words), std::string::npos) << outcome.refusal;
        EXPECT_TRUE(TablesClear(state()));
        EXPECT_EQ(state().RollingMoment, scratch[0]);
        EXPECT_EQ(state().PitchingMoment, scratch[1]);
        EXPECT_EQ(state().YawingMoment, scratch[2]);
        EXPECT_EQ(state().Mass1, 50.0) << "entries are stored all the same";
    }
}

TEST_F(CalculationStep, RefusesBothFourCarriageSpansZero) {
    SelectCase(0, 3);
    Texts texts = SoundTexts();
    texts[2] = texts[3] = "0";
    const StepOutcome outcome = RunCalculationStep(texts);
    EXPECT_FALSE(outcome.calculated);
    EXPECT_NE(outcome.refusal.find("L1 and L1'"), std::string::npos) << outcome.refusal;
    EXPECT_TRUE(TablesClear(state()));
}

TEST_F(CalculationStep, RefusesLoadsBeyondTheRangeOfNumbers) {
    const std::string huge = "1" + std::string(307, '0');
    const std::string tiny = "0." + std::string(305, '0') + "1";
    struct Case {
        int combination;
        int box;
        std::string text;
    };
    const Case cases[] = {
        {5, 7, huge},  // mass 1e200 at 120 mm: its moments overflow
        {5, 8, huge},  // gravity point 1e200 mm away
        {1, 3, tiny},  // a span of 1e-306 mm: the share overflows
        {7, 4, huge},  // L1' of 1e200: D overflows
        {6, 5, tiny},  // rail span of 1e-306 mm
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("combination " + std::to_string(c.combination) + " Text" + std::to_string(c.box));
        SelectCase(0, c.combination);
        Texts texts = SoundTexts();
        texts[c.box - 1] = c.text;
        const StepOutcome outcome = RunCalculationStep(texts);
        EXPECT_FALSE(outcome.calculated);
        EXPECT_NE(outcome.refusal.find("load of carriage"), std::string::npos) << outcome.refusal;
        EXPECT_TRUE(TablesClear(state()));
    }
}

}  // namespace
