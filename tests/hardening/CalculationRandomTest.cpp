#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "Random.h"
#include "app/CalculationState.h"
#include "forms/NumberText.h"
#include "operation/CalculationStep.h"
#include "results/ServiceLife.h"

// Random operating states through the calculation step and the service life,
// for every installation and combination. An everyday state (entries of a
// machine's size, spans at or above their minimums, ratings above 0) must
// calculate, with phases that differ by the inertia forces alone; a wild one
// (zeros where divisors go, huge and tiny values, ratings of 0) may be
// refused, with the tables cleared, but no figure may be other than finite.
namespace {

using hardening::Dice;

std::string entry(Dice& dice, bool everyday) {
    switch (dice.between(everyday ? 3 : 0, 11)) {
        case 0:
            return (dice.chance(0.3) ? "-1" : "1") + std::string(static_cast<std::size_t>(dice.between(20, 305)), '0');
        case 1:
            return "0." + std::string(static_cast<std::size_t>(dice.between(20, 300)), '0') + "1";
        case 2:
            return dice.pick(std::array{"0", "", "-", ".", "-5", "0.0000001"});
        case 3:
            return NumberText(-dice.uniform(0.0, 2000.0));
        default:
            return NumberText(std::round(dice.uniform(-2000.0, 2000.0) * 100.0) / 100.0);
    }
}

class CalculationRandom : public testing::TestWithParam<int> {};

TEST_P(CalculationRandom, RefusesOrGivesFiniteResults) {
    const int installation = GetParam() / 8, combination = GetParam() % 8;
    const int N = (combination < 4 ? 1 : 2) * (combination % 4 + 1);
    const std::uint64_t seed = hardening::testSeed(7000 + GetParam());
    const long count = hardening::scaledCount(10'000, 500);
    Dice dice(seed);
    long refused = 0;
    int failures = 0;
    for (long n = 0; n < count && failures < 5; ++n) {
        CalculationState& s = state();
        s = CalculationState{};
        const bool everyday = dice.chance(0.6);
        auto rating = [&](double high) { return !everyday && dice.chance(0.1) ? 0.0 : dice.uniform(0.01, high); };
        s.SeriesCode = dice.pick(std::array{"WUY", "QEY", "ABC", "wuy", ""});
        s.InstallationIndex = static_cast<std::int16_t>(installation);
        s.CombinationIndex = static_cast<std::int16_t>(combination);
        s.DynamicLoadRating = rating(300), s.StaticLoadRating = rating(500);
        s.PitchingMomentRating = rating(30), s.YawingMomentRating = rating(30);
        s.RollingMomentRating = static_cast<float>(rating(30));
        s.PreloadForce = dice.chance(0.2) ? 0.0f : static_cast<float>(dice.uniform(0, 130) * s.DynamicLoadRating);
        // As the velocity page holds them: V, T1 above 0, Ls at least the travel of T1.
        s.Velocity = dice.uniform(0.001, 10.0), s.AccelerationTime = dice.uniform(0.001, 2.0);
        s.StrokeLength = 1000.0 * s.Velocity * s.AccelerationTime * (dice.chance(0.3) ? 1.0 : dice.uniform(1, 20));
        s.ReciprocationsPerMinute = static_cast<float>(dice.uniform(1.0, 200.0));
        s.Acceleration = dice.chance(0.35) ? 0.0 : s.Velocity / s.AccelerationTime;
        std::array<std::string, 30> texts;
        for (auto& text : texts) text = entry(dice, everyday);
        for (int span : {2, 3, 4})
            if (everyday || dice.chance(0.5)) texts[span] = NumberText(dice.uniform(10.0, 300.0) * dice.uniform(1, 40));
        if (everyday || dice.chance(0.5)) texts[5] = NumberText(dice.uniform(-90.0, 90.0));

        auto expect = [&](bool ok, const std::string& what, int carriage = 0) {
            if (ok) return;
            std::string context = hardening::seedNote(seed) + ", case " + std::to_string(n) + ", texts:";
            for (const auto& t : texts) context += " [" + t.substr(0, 24) + "]";
            ADD_FAILURE() << what << " (carriage " << carriage << ")\n  " << context;
            ++failures;
        };
        const StepOutcome outcome = RunCalculationStep(texts);
        expect(outcome.calculated == outcome.refusal.empty(), "refusal and outcome disagree");
        if (!outcome.calculated) {
            ++refused;
            expect(!everyday, "an everyday state was refused: " + outcome.refusal);
            for (int i = 1; i <= 8; ++i)
                for (int j = 1; j <= 3; ++j)
                    expect(s.RadialLoad[i][j] == 0 && s.LateralLoad[i][j] == 0 && s.EquivalentLoad[i][j] == 0,
                           "a refused step leaves loads in the tables", i);
            continue;
        }
        double scale = 0;
        for (int i = 1; i <= 8; ++i)
            for (int j = 1; j <= 3; ++j)
                for (const auto* t : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad}) {
                    expect(std::isfinite((*t)[i][j]) && (i <= N || (*t)[i][j] == 0), "load not finite or stray", i);
                    scale = std::max(scale, std::fabs((*t)[i][j]));
                }
        // Far below the tenth of a newton the result page shows.
        const auto near = [&](double a, double b) { return std::fabs(a - b) <= 1e-9 * scale + 1e-6; };
        for (int i = 1; everyday && i <= N; ++i)
            for (const auto* t : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad}) {
                const auto& row = (*t)[i];
                expect(s.EquivalentLoad[i][1] >= 0 && s.EquivalentLoad[i][3] >= 0, "negative equivalent load", i);
                if (t != &s.EquivalentLoad) expect(near(row[1] + row[3], 2 * row[2]), "phases not symmetric", i);
                if (s.Acceleration == 0.0) expect(near(row[1], row[2]) && near(row[3], row[2]), "phases differ", i);
            }
        const MeanLoads mean = ComputeServiceLife(s);
        for (int i = 1; i <= 8; ++i)
            expect(std::isfinite(mean[i]) && mean[i] >= 0 && std::isfinite(s.MeanLoad[i]), "mean load", i);
        expect(std::isfinite(s.StaticSafetyFactor) && s.StaticSafetyFactor >= 0, "static safety factor");
        expect(std::isfinite(s.LifeDistance) && s.LifeDistance >= 0, "service life distance");
        expect(std::isfinite(s.LifeTime) && s.LifeTime >= 0, "service life time");
        if (s.Acceleration == 0.0) expect(s.LifeTime == 0.0, "a service life time without inertia force");
    }
    EXPECT_LT(refused, count / 2) << "the states should reach the procedures; " << hardening::seedNote(seed);
    state() = CalculationState{};
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, CalculationRandom, testing::Range(0, 40),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Installation" + std::to_string(info.param / 8) + "Combination" +
                                    std::to_string(info.param % 8);
                         });

}  // namespace
