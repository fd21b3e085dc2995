#include "results/ServiceLife.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr float kLargestSingle = std::numeric_limits<float>::max();

// One carriage loaded 1200 / 1000 / 800 N over a 500 mm stroke at 1 m/s.
CalculationState workedExample(const std::string& series) {
    CalculationState s;
    s.SeriesCode = series;
    s.EquivalentLoad[1][1] = 1200.0;
    s.EquivalentLoad[1][2] = 1000.0;
    s.EquivalentLoad[1][3] = 800.0;
    s.Velocity = 1.0;
    s.AccelerationTime = 0.1;
    s.StrokeLength = 500.0;
    s.ReciprocationsPerMinute = 30.0f;
    s.Acceleration = 10.0;
    s.DynamicLoadRating = 20.0;
    s.StaticLoadRating = 30.0;
    s.PreloadForce = 400.0f;
    return s;
}

void expectAllFinite(const CalculationState& s, const MeanLoads& mean) {
    for (int i = 1; i <= 8; ++i) {
        EXPECT_TRUE(std::isfinite(s.MeanLoad[i])) << "carriage " << i;
        EXPECT_TRUE(std::isfinite(mean[i])) << "carriage " << i;
    }
    EXPECT_TRUE(std::isfinite(s.StaticSafetyFactor));
    EXPECT_TRUE(std::isfinite(s.LifeDistance));
    EXPECT_TRUE(std::isfinite(s.LifeTime));
}

TEST(ServiceLife, WorkedExamples) {
    struct Case {
        const char* series;
        double meanLoad, lifeDistance, lifeTime;
    };
    const Case cases[] = {
        {"QEH", 1007.9368, 42465.55, 23591.97},
        {"WUY", 1009.2470, 179131.51, 99517.51},
        {"QEY", 1009.2470, 179131.51, 99517.51},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.series);
        CalculationState s = workedExample(c.series);
        const MeanLoads mean = ComputeServiceLife(s);
        EXPECT_NEAR(s.MeanLoad[1], c.meanLoad, 1e-4);
        EXPECT_EQ(mean[1], static_cast<double>(s.MeanLoad[1]));
        EXPECT_DOUBLE_EQ(s.StaticSafetyFactor, 18.75);
        EXPECT_DOUBLE_EQ(s.LoadFactor, 1.5);
        EXPECT_NEAR(s.LifeDistance, c.lifeDistance, 0.006);
        EXPECT_NEAR(s.LifeTime, c.lifeTime, 0.006);
        for (int i = 2; i <= 8; ++i) EXPECT_EQ(s.MeanLoad[i], 0.0f);
    }
}

TEST(ServiceLife, LoadFactorClassesIncludeTheirUpperBound) {
    const std::pair<double, double> cases[] = {{-1.0, 1.2}, {0.0, 1.2},  {0.5, 1.2},  {0.5000001, 1.5}, {1.0, 1.5},
                                               {1.5, 2.0},  {2.0, 2.0},  {2.01, 2.5}, {3.0, 2.5},       {3.5, 3.0},
                                               {4.0, 3.0},  {4.01, 3.5}, {100.0, 3.5}};
    for (const auto& [velocity, fw] : cases) EXPECT_EQ(LoadFactorTable(velocity), fw) << "V = " << velocity;
}

TEST(ServiceLife, OnlyTheExactRollerTextsAreRollerSeries) {
    const std::pair<const char*, bool> cases[] = {{"WUY", true},   {"QEY", true},   {"wuy", false}, {"Qey", false},
                                                  {"WUY ", false}, {" QEY", false}, {"WU", false},  {"QEYL", false},
                                                  {"", false},     {"QEH", false},  {"QEJ", false}, {"WUN", false}};
    for (const auto& [series, roller] : cases) {
        EXPECT_EQ(IsRollerSeries(series), roller) << '"' << series << '"';
        // The class shows in the life: a roller life differs from a ball life.
        CalculationState asGiven = workedExample(series);
        CalculationState asBall = workedExample("QEH");
        ComputeServiceLife(asGiven);
        ComputeServiceLife(asBall);
        EXPECT_EQ(asGiven.LifeDistance == asBall.LifeDistance, !roller) << '"' << series << '"';
    }
}

TEST(ServiceLife, WithoutInertiaTheMeanIsTheUniformLoadAndNoTimeIsGiven) {
    CalculationState s = workedExample("QEH");
    s.Acceleration = 0.0;  // stroke, time and rate of an earlier calculation stay behind
    s.EquivalentLoad[1][2] = 1000.1;
    s.EquivalentLoad[2][1] = 5000.0;  // outside the uniform phase: no part of a mean
    s.EquivalentLoad[2][2] = 0.3;
    ComputeServiceLife(s);
    EXPECT_EQ(s.MeanLoad[1], 1000.1f);
    EXPECT_EQ(s.MeanLoad[2], 0.3f);
    EXPECT_EQ(s.LifeTime, 0.0);
    EXPECT_GT(s.LifeDistance, 0.0);
    // ... while the static safety factor still sees the largest load of any phase.
    EXPECT_DOUBLE_EQ(s.StaticSafetyFactor, 30000.0 / 5400.0);
}

TEST(ServiceLife, SteadyLoadIsItsOwnMean) {
    const double loads[] = {1.0, 123.456, 1000.0, 98765.4321, 3.3e6};
    for (const char* series : {"QEH", "QEY"}) {
        for (double load : loads) {
            CalculationState s = workedExample(series);
            for (int j = 1; j <= 3; ++j) s.EquivalentLoad[1][j] = load;
            ComputeServiceLife(s);
            const float expected = static_cast<float>(load);
            const float ulp = std::nextafter(expected, 2 * expected) - expected;
            EXPECT_NEAR(s.MeanLoad[1], expected, ulp) << series << ' ' << load;
        }
    }
}

TEST(ServiceLife, AbsentCarriagesNeverCount) {
    CalculationState s = workedExample("QEH");
    s.MeanLoad.fill(999.0f);  // left from an earlier, larger layout
    ComputeServiceLife(s);
    for (int i = 2; i <= 8; ++i) EXPECT_EQ(s.MeanLoad[i], 0.0f);
    const CalculationState before = s;
    ComputeServiceLife(s);  // a second run on the same state changes nothing
    EXPECT_EQ(s.MeanLoad, before.MeanLoad);
    EXPECT_EQ(s.LifeDistance, before.LifeDistance);
    EXPECT_EQ(s.LifeTime, before.LifeTime);
    EXPECT_EQ(s.StaticSafetyFactor, before.StaticSafetyFactor);
}

TEST(ServiceLife, ZeroLoadSumsUseTheSubstitute) {
    struct Case {
        float preload;
        double load;  // every phase of carriage 3
        double safety, life;
    };
    const double ratio = 20000.0 / (0.1 * 1.5);
    const Case cases[] = {
        {0.0f, 0.0, 30000.0 / 0.1, std::pow(ratio, 3.0) * 50.0},
        {400.0f, 0.0, 30000.0 / 400.0, std::pow(20000.0 / (400.0 * 1.5), 3.0) * 50.0},
        {0.0f, 600.0, 30000.0 / 600.0, std::pow(20000.0 / (600.0 * 1.5), 3.0) * 50.0},
    };
    for (const Case& c : cases) {
        CalculationState s = workedExample("QEH");
        s.EquivalentLoad = {};
        s.PreloadForce = c.preload;
        for (int j = 1; j <= 3; ++j) s.EquivalentLoad[3][j] = c.load;
        ComputeServiceLife(s);
        EXPECT_NEAR(s.StaticSafetyFactor, c.safety, 1e-9 * c.safety);
        EXPECT_NEAR(s.LifeDistance, c.life, 1e-6 * c.life);
    }
}

TEST(ServiceLife, LoadFactorThreeFormsItsProductIn32Bits) {
    // P = 400 + 1007.9368 is a float whose triple is not; the life must use
    // the triple rounded to 32 bits only when a mean load is present.
    CalculationState s = workedExample("QEH");
    s.Velocity = 3.5;
    s.AccelerationTime = 0.1;
    s.StrokeLength = 500.0;
    s.Acceleration = 35.0;
    for (int j = 1; j <= 3; ++j) s.EquivalentLoad[1][j] = 1007.9368;
    ComputeServiceLife(s);
    ASSERT_EQ(s.LoadFactor, 3.0);
    const float p = s.PreloadForce + s.MeanLoad[1];
    const double narrow = static_cast<float>(static_cast<double>(p) * 3.0);
    const double wide = static_cast<double>(p) * 3.0;
    ASSERT_NE(narrow, wide);
    EXPECT_EQ(s.LifeDistance, std::pow(20000.0 / narrow, 3.0) * 50.0);

    // Without any mean load the preload alone is multiplied in 64 bits.
    s.EquivalentLoad = {};
    s.PreloadForce = p;
    ComputeServiceLife(s);
    EXPECT_EQ(s.LifeDistance, std::pow(20000.0 / wide, 3.0) * 50.0);
}

TEST(ServiceLife, AbsurdLoadsGiveFiguresNotOverflow) {
    struct Case {
        const char* what;
        const char* series;
        bool inertia;
        double acc, uniform, dec;
        double meanLoad;  // expected 64-bit mean
    };
    // Weights of the worked example: 50 / 400 / 50 mm of 500 mm.
    const auto mean = [](double a, double u, double d, double e) {
        return std::pow((std::pow(a, e) * 50.0 + std::pow(u, e) * 400.0 + std::pow(d, e) * 50.0) / 500.0, 1.0 / e);
    };
    const Case cases[] = {
        {"cube beyond 32 bits", "QEH", true, 1e16, 1e16, 1e16, 1e16},
        {"cube beyond 32 bits, uneven", "QEH", true, 3e15, 2e15, 1e15, mean(3e15, 2e15, 1e15, 3.0)},
        {"power beyond 32 bits, roller", "WUY", true, 2e14, 1e14, 0.0, mean(2e14, 1e14, 0.0, 10.0 / 3.0)},
        {"cube beyond 64 bits", "QEH", true, 2e110, 1e110, 0.0, 1e110 * mean(2.0, 1.0, 0.0, 3.0)},
        {"power beyond 64 bits, roller", "QEY", true, 1e300, 1e300, 1e300, 1e300},
        {"uniform load beyond 32 bits", "QEH", false, 0.0, 1e39, 0.0, 1e39},
        {"uniform load just inside 32 bits", "QEH", false, 0.0, 3e38, 0.0, static_cast<double>(3e38f)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalculationState s = workedExample(c.series);
        if (!c.inertia) s.Acceleration = 0.0;
        s.EquivalentLoad[1][1] = c.acc;
        s.EquivalentLoad[1][2] = c.uniform;
        s.EquivalentLoad[1][3] = c.dec;
        const MeanLoads wide = ComputeServiceLife(s);
        expectAllFinite(s, wide);
        EXPECT_NEAR(wide[1], c.meanLoad, 1e-6 * c.meanLoad);
        EXPECT_EQ(s.MeanLoad[1], c.meanLoad <= kLargestSingle ? static_cast<float>(wide[1]) : kLargestSingle);
        EXPECT_GE(s.LifeDistance, 0.0);
        EXPECT_GT(s.StaticSafetyFactor, 0.0);
    }
}

TEST(ServiceLife, TripleOfAHugeLoadStaysWide) {
    // With fw = 3, P fits 32 bits but 3P does not.
    CalculationState s = workedExample("QEH");
    s.Acceleration = 0.0;
    s.Velocity = 4.0;
    s.EquivalentLoad[1][2] = 2e38;
    const MeanLoads mean = ComputeServiceLife(s);
    expectAllFinite(s, mean);
    const double p = static_cast<float>(400.0f + static_cast<float>(2e38));
    const double expected = std::pow(20000.0 / (p * 3.0), 3.0) * 50.0;
    EXPECT_GT(s.LifeDistance, 0.0);
    EXPECT_NEAR(s.LifeDistance, expected, 1e-9 * expected);
}

}  // namespace
