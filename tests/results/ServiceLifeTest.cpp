#include "results/ServiceLife.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

// One carriage loaded 1200 / 1000 / 800 N over a 500 mm stroke at 1 m/s.
CalculationState workedExample(const std::string& series) {
    CalculationState s;
    s.SeriesCode = series;
    s.EquivalentLoad[1] = {0.0, 1200.0, 1000.0, 800.0};
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

TEST(ServiceLife, WorkedExamples) {
    struct Case {
        const char* series;
        double meanLoad, lifeDistance, lifeTime;
    };
    const Case cases[] = {{"QEH", 1007.9368, 42465.55, 23591.97},
                          {"WUY", 1009.2470, 179131.51, 99517.51},
                          {"QEY", 1009.2470, 179131.51, 99517.51}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.series);
        CalculationState s = workedExample(c.series);
        s.MeanLoad.fill(999.0f);  // left from an earlier, larger layout
        const MeanLoads mean = ComputeServiceLife(s);
        EXPECT_NEAR(s.MeanLoad[1], c.meanLoad, 1e-4);
        EXPECT_EQ(mean[1], static_cast<double>(s.MeanLoad[1]));
        for (int i = 2; i <= 8; ++i) EXPECT_EQ(s.MeanLoad[i], 0.0f) << "absent carriage " << i;
        EXPECT_DOUBLE_EQ(s.StaticSafetyFactor, 18.75);
        EXPECT_EQ(s.LoadFactor, 1.5);
        EXPECT_NEAR(s.LifeDistance, c.lifeDistance, 0.006);
        EXPECT_NEAR(s.LifeTime, c.lifeTime, 0.006);

        const CalculationState first = s;
        ComputeServiceLife(s);
        EXPECT_EQ(s.MeanLoad, first.MeanLoad);
        EXPECT_EQ(s.LifeTime, first.LifeTime);
    }
}

TEST(ServiceLife, LoadFactorAndSeriesClass) {
    const std::pair<double, double> factors[] = {{-1.0, 1.2}, {0.5, 1.2}, {0.5000001, 1.5}, {1.0, 1.5}, {2.0, 2.0},
                                                 {2.01, 2.5}, {3.0, 2.5}, {4.0, 3.0},       {4.01, 3.5}};
    for (const auto& [velocity, fw] : factors) EXPECT_EQ(LoadFactorTable(velocity), fw) << "V = " << velocity;

    CalculationState ball = workedExample("QEH");
    ComputeServiceLife(ball);
    const std::pair<const char*, bool> series[] = {{"WUY", true},   {"QEY", true},   {"wuy", false}, {"WUY ", false},
                                                   {" QEY", false}, {"QEYL", false}, {"", false},    {"WUN", false}};
    for (const auto& [code, roller] : series) {
        EXPECT_EQ(IsRollerSeries(code), roller) << '"' << code << '"';
        CalculationState s = workedExample(code);
        ComputeServiceLife(s);
        EXPECT_EQ(s.LifeDistance != ball.LifeDistance, roller) << '"' << code << '"';
    }
}

TEST(ServiceLife, MeanLoads) {
    // Without inertia: the uniform-phase load in 32 bits, and no running time
    // even with the stroke and rate of an earlier calculation still stored.
    CalculationState s = workedExample("QEH");
    s.Acceleration = 0.0;
    s.EquivalentLoad[1][2] = 1000.1;
    s.EquivalentLoad[2] = {0.0, 5000.0, 0.3, 0.0};
    ComputeServiceLife(s);
    EXPECT_EQ(s.MeanLoad[1], 1000.1f);
    EXPECT_EQ(s.MeanLoad[2], 0.3f);
    EXPECT_EQ(s.LifeTime, 0.0);
    EXPECT_DOUBLE_EQ(s.StaticSafetyFactor, 30000.0 / 5400.0);  // every phase counts here

    // A steady load is its own mean, within one unit of the 32-bit value.
    for (const char* series : {"QEH", "QEY"}) {
        for (double load : {1.0, 123.456, 98765.4321, 3.3e6}) {
            CalculationState steady = workedExample(series);
            steady.EquivalentLoad[1] = {0.0, load, load, load};
            ComputeServiceLife(steady);
            const float expected = static_cast<float>(load);
            EXPECT_NEAR(steady.MeanLoad[1], expected, std::nextafter(expected, 2 * expected) - expected)
                << series << ' ' << load;
        }
    }
}

TEST(ServiceLife, ZeroSumsAndTheThreefoldProduct) {
    struct Case {
        float preload;
        double load;  // every phase of carriage 3
        double safety, life;
    };
    const auto life = [](double p) { return std::pow(20000.0 / (p * 1.5), 3.0) * 50.0; };
    const Case cases[] = {{0.0f, 0.0, 30000.0 / 0.1, life(0.1)},
                          {400.0f, 0.0, 30000.0 / 400.0, life(400.0)},
                          {0.0f, 600.0, 30000.0 / 600.0, life(600.0)}};
    for (const Case& c : cases) {
        CalculationState s = workedExample("QEH");
        s.PreloadForce = c.preload;
        s.EquivalentLoad = {};
        s.EquivalentLoad[3] = {0.0, c.load, c.load, c.load};
        ComputeServiceLife(s);
        EXPECT_NEAR(s.StaticSafetyFactor, c.safety, 1e-9 * c.safety);
        EXPECT_NEAR(s.LifeDistance, c.life, 1e-6 * c.life);
    }

    // With fw = 3, P * 3 is rounded to 32 bits when a mean load is present,
    // and stays 64-bit for the preload alone.
    CalculationState s = workedExample("QEH");
    s.Velocity = 3.5;
    s.Acceleration = 35.0;
    s.EquivalentLoad[1] = {0.0, 1007.9368, 1007.9368, 1007.9368};
    ComputeServiceLife(s);
    ASSERT_EQ(s.LoadFactor, 3.0);
    const float p = s.PreloadForce + s.MeanLoad[1];
    const double narrow = static_cast<float>(p * 3.0);
    ASSERT_NE(narrow, p * 3.0);
    EXPECT_EQ(s.LifeDistance, std::pow(20000.0 / narrow, 3.0) * 50.0);
    s.EquivalentLoad = {};
    s.PreloadForce = p;
    ComputeServiceLife(s);
    EXPECT_EQ(s.LifeDistance, std::pow(20000.0 / (p * 3.0), 3.0) * 50.0);
}

TEST(ServiceLife, AbsurdLoadsGiveFiguresNotOverflow) {
    struct Case {
        const char* what;
        const char* series;
        double acceleration, velocity;
        double acc, uniform, dec;
        double meanLoad;  // the 64-bit mean
    };
    // Weights of the worked example: 50 / 400 / 50 mm of 500 mm.
    const auto mean = [](double a, double u, double d, double e) {
        return std::pow((std::pow(a, e) * 50.0 + std::pow(u, e) * 400.0 + std::pow(d, e) * 50.0) / 500.0, 1.0 / e);
    };
    const Case cases[] = {
        {"cube beyond 32 bits", "QEH", 10.0, 1.0, 3e15, 2e15, 1e15, mean(3e15, 2e15, 1e15, 3.0)},
        {"power beyond 32 bits, roller", "WUY", 10.0, 1.0, 2e14, 1e14, 0.0, mean(2e14, 1e14, 0.0, 10.0 / 3.0)},
        {"cube beyond 64 bits", "QEH", 10.0, 1.0, 2e110, 1e110, 0.0, 1e110 * mean(2.0, 1.0, 0.0, 3.0)},
        {"power beyond 64 bits, roller", "QEY", 10.0, 1.0, 1e300, 1e300, 1e300, 1e300},
        {"uniform load beyond 32 bits", "QEH", 0.0, 1.0, 0.0, 1e39, 0.0, 1e39},
        {"threefold load beyond 32 bits", "QEH", 0.0, 4.0, 0.0, 2e38, 0.0, static_cast<double>(2e38f)},
        {"no travel at all", "QEH", 1.0, 1e-170, 1200.0, 1000.0, 800.0, 1000.0},
    };
    constexpr float largest = std::numeric_limits<float>::max();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalculationState s = workedExample(c.series);
        s.Acceleration = c.acceleration;
        s.Velocity = c.velocity;
        s.EquivalentLoad[1] = {0.0, c.acc, c.uniform, c.dec};
        if (c.velocity < 1e-100) {
            s.AccelerationTime = c.velocity;  // 1000 V T1 underflows to 0, so Ls = 0 passed
            s.StrokeLength = 0.0;
        }
        const MeanLoads wide = ComputeServiceLife(s);
        EXPECT_NEAR(wide[1], c.meanLoad, 1e-6 * c.meanLoad);
        EXPECT_EQ(s.MeanLoad[1], c.meanLoad <= largest ? static_cast<float>(wide[1]) : largest);
        EXPECT_TRUE(std::isfinite(s.StaticSafetyFactor) && s.StaticSafetyFactor > 0.0);
        EXPECT_TRUE(std::isfinite(s.LifeDistance) && s.LifeDistance >= 0.0);
        EXPECT_TRUE(std::isfinite(s.LifeTime));
        if (s.LoadFactor == 3.0) {
            const double p = static_cast<float>(400.0f + s.MeanLoad[1]);
            EXPECT_DOUBLE_EQ(s.LifeDistance, std::pow(20000.0 / (p * 3.0), 3.0) * 50.0);
        }
    }
}

}  // namespace
