#include "operation/CalculationStep.h"

#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <string>
#include <tuple>

#include "app/CalculationState.h"

namespace {

using Texts = std::array<std::string, 30>;

// Sound entries: thrust point, L1 = 200, L1' = 400, L2 = 300, one mass off centre and three external loads.
Texts SoundTexts() {
    return {"10", "-20", "200", "400", "300", "30", "50", "120", "-40", "60", "0",  "0", "0",  "0",  "0",
            "0",  "0",   "0",   "5",   "0",   "30", "80", "4",   "-90", "0",  "25", "3", "70", "15", "0"};
}

StepOutcome Step(int installation, int combination, const Texts& texts = SoundTexts(), float rolling = 0.4f,
                 double pitching = 0.3, double yawing = 0.3, double acceleration = 2) {
    CalculationState& s = state();
    s.InstallationIndex = static_cast<std::int16_t>(installation);
    s.CombinationIndex = static_cast<std::int16_t>(combination);
    s.StaticLoadRating = 20, s.RollingMomentRating = rolling, s.PitchingMomentRating = pitching;
    s.YawingMomentRating = yawing, s.Acceleration = acceleration;
    return RunCalculationStep(texts);
}

class CalculationStep : public testing::Test {
protected:
    void SetUp() override { state() = CalculationState{}; }
    void TearDown() override { state() = CalculationState{}; }
};

TEST_F(CalculationStep, StoresEachTextInItsOwnFieldAsItsLeadingNumber) {
    const CalculationState& s = state();
    const double* wide[30] = {&s.ThrustPointY0, &s.ThrustPointZ0, &s.CarriageSpanL1, &s.CarriageSpanL1b, &s.RailSpanL2,
                              nullptr,          &s.Mass1,         &s.GravityX1,      &s.GravityY1,       &s.GravityZ1,
                              &s.Mass2,         &s.GravityX2,     &s.GravityY2,      &s.GravityZ2,       &s.Mass3,
                              &s.GravityX3,     &s.GravityY3,     &s.GravityZ3,      &s.LoadFx,          &s.LoadPointX4,
                              &s.LoadPointY4,   &s.LoadPointZ4,   &s.LoadFy,         &s.LoadPointX5,     &s.LoadPointY5,
                              &s.LoadPointZ5,   &s.LoadFz,        &s.LoadPointX6,    &s.LoadPointY6,     nullptr};
    const auto stored = [&](int box) {
        return box == 6 ? double{s.InclinationAngle} : box == 30 ? double{s.LoadPointZ6} : *wide[box - 1];
    };
    Texts texts;
    for (int i = 0; i < 30; ++i) texts[i] = std::to_string(i + 1) + ".5";
    Step(0, 0, texts);
    for (int box = 1; box <= 30; ++box) EXPECT_EQ(stored(box), box + 0.5) << "Text" << box;

    const std::tuple<int, std::string, double> cases[] = {
        {1, "", 0.0},     {2, "-", 0.0},     {3, ".", 0.0},
        {8, "12.", 12.0}, {9, "3abc", 3.0},  {7, "0.1", 0.1},
        {6, "0.1", 0.1f}, {30, "0.1", 0.1f}, {6, std::string(60, '9'), std::numeric_limits<float>::max()}};
    for (const auto& [box, text, expected] : cases) {
        Texts t = SoundTexts();
        t[box - 1] = text;
        Step(0, 0, t);
        EXPECT_EQ(stored(box), expected) << "Text" << box << " \"" << text << "\"";
    }
}

// Each calculation clears what the one before left; Pi is stored for the tilted installations only, and kept;
// an index outside the table runs nothing.
TEST_F(CalculationStep, StoresPiForTiltedOnlyAndRunsNothingOutsideTheTable) {
    const struct {
        int installation, combination;
        bool storesPi, runs;
    } cases[] = {{0, 5, false, true},  {1, 0, false, true},  {2, 3, false, true},  {3, 5, true, true},
                 {4, 0, true, true},   {4, 9, true, false},  {5, 0, false, false}, {-1, 3, false, false},
                 {0, 8, false, false}, {1, -1, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.installation << "/" << c.combination);
        state() = CalculationState{};
        ASSERT_TRUE(Step(0, 7).calculated);  // all eight rows filled
        for (int i = 1; i <= 8; ++i) state().MeanLoad[i] = 123.0f;
        const double scratch = state().PitchingMoment;
        const StepOutcome outcome = Step(c.installation, c.combination);
        const CalculationState& s = state();
        EXPECT_EQ(std::bit_cast<std::uint32_t>(s.Pi), c.storesPi ? 0x40490FDBu : 0u);
        EXPECT_TRUE(outcome.calculated && outcome.refusal.empty());
        EXPECT_EQ(s.EquivalentLoad[1][2] > 0, c.runs);
        EXPECT_TRUE(c.runs || s.PitchingMoment == scratch);
        const std::array<double, 4> zero{};
        for (int i = c.runs ? (c.combination < 4 ? 1 : 2) * (c.combination % 4 + 1) + 1 : 1; i <= 8; ++i)
            EXPECT_TRUE(s.RadialLoad[i] == zero && s.LateralLoad[i] == zero && s.EquivalentLoad[i] == zero) << i;
        EXPECT_EQ(s.MeanLoad, (std::array<float, 9>{}));
    }
    Step(3, 1), Step(0, 5);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(state().Pi), 0x40490FDBu);
}

// Every installation refuses what its layout would divide by zero, and loads or mean loads too long for the result
// page's boxes, leaving the tables cleared, the scratch moments as they were, the entries stored.
TEST_F(CalculationStep, RefusesZeroDivisorsAndNonFiniteLoads) {
    const std::string huge = "1" + std::string(307, '0'), tiny = "0." + std::string(305, '0') + "1";
    const struct {
        int combination;
        std::vector<std::pair<int, std::string>> texts;  // Text box, text
        float rolling;
        double pitching, yawing;
        const char* words;      // expected in the warning; empty when the layout calculates
        double velocity = 1.0;  // with T1 = 0.001 s
    } cases[] = {
        {1, {{3, "0"}}, 0.4f, 0.3, 0.3, "carriage span L1"},
        {6, {{3, "0"}}, 0.4f, 0.3, 0.3, "carriage span L1"},
        {4, {{3, "0"}}, 0.4f, 0.3, 0.3, ""},  // one carriage per rail: no L1
        {3, {{4, "0"}}, 0.4f, 0.3, 0.3, ""},  // L1' alone zero leaves D = L1²
        {3, {{3, "0"}, {4, "0"}}, 0.4f, 0.3, 0.3, "L1 and L1'"},
        {4, {{5, "0"}}, 0.4f, 0.3, 0.3, "rail span L2"},
        {1, {{5, "0"}}, 0.4f, 0.3, 0.3, ""},  // one rail: no L2
        {0, {}, 0.0f, 0.3, 0.3, "rolling moment"},
        {5, {}, 0.0f, 0.0, 0.0, ""},  // two rails of two: no ratings
        {4, {}, 0.4f, 0.0, 0.0, "pitching moment"},
        {4, {}, 0.4f, 0.3, 0.0, "yawing moment"},
        {5, {{7, huge}, {8, huge}}, 0.4f, 0.3, 0.3, "load of carriage"},
        {1, {{3, tiny}}, 0.4f, 0.3, 0.3, "load of carriage"},
        {7, {{4, huge}}, 0.4f, 0.3, 0.3, "load of carriage"},
        {6, {{5, tiny}}, 0.4f, 0.3, 0.3, "load of carriage"},
        {5, {}, 0.4f, 0.3, 0.3, "velocity", 1e306},  // 1000 V T1 beyond the range: no mean load
    };
    for (int installation = 0; installation < 5; ++installation)
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << installation << "/" << c.combination << " " << c.words);
            state() = CalculationState{};
            ASSERT_TRUE(Step(0, 7).calculated);
            state().Velocity = c.velocity, state().AccelerationTime = 0.001, state().StrokeLength = 1e306;
            const double scratch[3] = {state().RollingMoment, state().PitchingMoment, state().YawingMoment};
            Texts texts = SoundTexts();
            for (const auto& [box, text] : c.texts) texts[box - 1] = text;
            const StepOutcome outcome = Step(installation, c.combination, texts, c.rolling, c.pitching, c.yawing);
            EXPECT_EQ(outcome.calculated, *c.words == '\0') << outcome.refusal;
            if (outcome.calculated) continue;
            EXPECT_NE(outcome.refusal.find(c.words), std::string::npos) << outcome.refusal;
            const CalculationState::LoadTable zero{};
            EXPECT_TRUE(state().RadialLoad == zero && state().LateralLoad == zero && state().EquivalentLoad == zero &&
                        state().MeanLoad == decltype(state().MeanLoad){});
            EXPECT_TRUE(state().RollingMoment == scratch[0] && state().PitchingMoment == scratch[1] &&
                        state().YawingMoment == scratch[2]);
            EXPECT_EQ(state().GravityZ1, 60.0) << "entries are stored all the same";
        }
}

// The life figures grow as the loads vanish, fs as 1/E, L as 1/E^3, Lh also as 1/(Ls N): each is refused when
// too long for its box, and a load or mean load from 10000000 N on, lifting as well as pressing.
TEST_F(CalculationStep, RefusesFiguresTooLongForTheirBoxes) {
    // On two rails of two: m1 0.001 kg and fz at the centre, shared alike by the four carriages.
    const auto lifting = [](const char* fz) {
        return std::vector<std::pair<int, std::string>>{{28, "0"}, {29, "0"}, {7, "0.001"}, {27, fz}};
    };
    const struct {
        std::string weight;  // every mass and external load
        double stroke;
        const char* words;
        float rate = 30;  // reciprocations per minute
        int combination = 0;
        std::vector<std::pair<int, std::string>> texts = {};  // Text box, text, over the weights
        double acceleration = 2;
    } cases[] = {
        {"1", 500.0, ""},
        {"0.0001", 500.0, ""},
        {"0.0001", 1e-20, "service life time"},
        {"0.0001", 500.0, "service life time", 2.2130e-10f},  // 1.00004e30 hours
        {"0.0001", 500.0, "", 2.2132e-10f},                   // 9.9995e29 hours, 30 digits
        {"0.00000001", 500.0, "service life distance"},
        {"0." + std::string(40, '0') + "1", 500.0, "static safety factor"},
        {"0", 500.0, "The radial load of carriage 1 at uniform speed", 30, 5, lifting("4081633")},
        {"0", 500.0, "", 30, 5, lifting("4081632.4")},  // -9999999.4 N
        {"0", 500.0,
         "The mean load of carriage 1 is too large for the result page, which shows loads below 10000000 N. Check the "
         "masses, loads, positions and spans entered.",
         30, 5, lifting("4081632.53"), 0},  // -9999999.7 N, 1e7 in 32 bits without inertia force
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.words);
        state() = CalculationState{};
        state().DynamicLoadRating = 20, state().Velocity = 1, state().ReciprocationsPerMinute = c.rate;
        state().StrokeLength = c.stroke;
        Texts texts = SoundTexts();
        for (int box : {7, 11, 15, 19, 23, 27}) texts[box - 1] = c.weight;
        for (const auto& [box, text] : c.texts) texts[box - 1] = text;
        const StepOutcome outcome = Step(0, c.combination, texts, 0.4f, 0.3, 0.3, c.acceleration);
        EXPECT_EQ(outcome.calculated, *c.words == '\0') << c.weight << " " << outcome.refusal;
        EXPECT_NE(outcome.refusal.find(c.words), std::string::npos) << outcome.refusal;
    }
}

}  // namespace
