#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "Random.h"
#include "app/CalculationState.h"
#include "forms/NumberText.h"
#include "operation/CalculationStep.h"
#include "results/ServiceLife.h"

// Random operating states through the calculation step and the service life,
// for every installation and combination: the step either refuses with a
// message and leaves the tables cleared, or every figure the result page
// shows is finite, and the phases relate as the inertia forces make them.

namespace {

using hardening::Dice;
using Texts = std::array<std::string, 30>;

constexpr int kMaxFailures = 5;

// Field positions (0-based) of the entries with a meaning of their own.
constexpr int kSpanL1 = 2, kSpanL1b = 3, kSpanL2 = 4, kInclination = 5;

struct Layout {
    int installation;
    int combination;
    int carriages() const { return (combination < 4 ? 1 : 2) * (combination % 4 + 1); }
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << "installation " << layout.installation << ", combination " << layout.combination;
}

// One random state: the selection, ratings and velocity conditions as the
// earlier pages would have stored them, and the thirty texts of the
// operation page. An everyday state keeps its entries within sizes a machine
// has, its spans at or above their minimums and its ratings above 0: the step
// must calculate it, and its phases must relate exactly (up to rounding). A
// wild state also has zeros where divisors go, huge and tiny values and
// ratings of 0: the step may refuse it, but must never let a figure through
// that is not finite.
struct RandomState {
    Texts texts;
    bool everyday = true;
};

std::string hugeText(Dice& dice) {
    const long zeros = dice.between(20, 305);
    return (dice.chance(0.3) ? "-" : "") + ("1" + std::string(static_cast<std::size_t>(zeros), '0'));
}

std::string entryText(Dice& dice, bool everyday) {
    switch (dice.between(everyday ? 2 : 0, 11)) {
        case 0:
            return hugeText(dice);
        case 1:
            return "0." + std::string(static_cast<std::size_t>(dice.between(20, 300)), '0') + "1";
        case 2:
            return "0";
        case 3:
            return dice.pick(std::array<const char*, 5>{"", "-", ".", "-.", "0.0"});
        case 4:
            return NumberText(-dice.uniform(0.0, 2000.0));
        default:
            return NumberText(std::round(dice.uniform(-2000.0, 2000.0) * 100.0) / 100.0);
    }
}

double rating(Dice& dice, bool everyday, double low, double high) {
    if (!everyday && dice.chance(0.1)) return 0.0;
    return dice.uniform(low, high);
}

std::string spanText(Dice& dice, bool everyday, double minimum) {
    switch (dice.between(everyday ? 2 : 0, 9)) {
        case 0:
            return dice.pick(std::array<const char*, 4>{"0", "", "-5", "0.0000001"});
        case 1:
            return hugeText(dice);
        case 2:
        case 3:
        case 4:
            return NumberText(minimum);
        default:
            return NumberText(minimum * dice.uniform(1.0, 40.0));
    }
}

RandomState makeState(Dice& dice, const Layout& layout) {
    CalculationState& s = state();
    RandomState r;
    r.everyday = dice.chance(0.6);
    const bool everyday = r.everyday;
    const char* series[] = {"WUY", "QEY", "ABC", "wuy", ""};
    s.SeriesCode = dice.pick(series);
    s.InstallationIndex = static_cast<std::int16_t>(layout.installation);
    s.CombinationIndex = static_cast<std::int16_t>(layout.combination);

    s.DynamicLoadRating = rating(dice, everyday, 1.0, 300.0);
    s.StaticLoadRating = rating(dice, everyday, 1.0, 500.0);
    s.PitchingMomentRating = rating(dice, everyday, 0.01, 30.0);
    s.YawingMomentRating = rating(dice, everyday, 0.01, 30.0);
    s.RollingMomentRating = static_cast<float>(rating(dice, everyday, 0.01, 30.0));
    s.PreloadForce = dice.chance(0.2) ? 0.0f : static_cast<float>(dice.uniform(0.0, 130.0) * s.DynamicLoadRating);

    // The velocity page holds V and T1 above 0 and Ls at or above the
    // travel of acceleration and deceleration.
    s.Velocity = dice.uniform(0.001, 10.0);
    s.AccelerationTime = dice.uniform(0.001, 2.0);
    const double shortest = 1000.0 * s.Velocity * s.AccelerationTime;
    s.StrokeLength = dice.chance(0.3) ? shortest : shortest * dice.uniform(1.0, 20.0);
    s.ReciprocationsPerMinute = static_cast<float>(dice.uniform(1.0, 200.0));
    s.Acceleration = dice.chance(0.35) ? 0.0 : s.Velocity / s.AccelerationTime;

    s.MinCarriageSpanL1 = dice.uniform(10.0, 200.0);
    s.MinCarriageSpanL1b = dice.uniform(10.0, 200.0);
    s.MinRailSpanL2 = static_cast<float>(dice.uniform(10.0, 300.0));

    for (auto& text : r.texts) text = entryText(dice, everyday);
    r.texts[kSpanL1] = spanText(dice, everyday, s.MinCarriageSpanL1);
    r.texts[kSpanL1b] = spanText(dice, everyday, s.MinCarriageSpanL1b);
    r.texts[kSpanL2] = spanText(dice, everyday, s.MinRailSpanL2);
    if (everyday || dice.chance(0.5)) r.texts[kInclination] = NumberText(dice.uniform(-90.0, 90.0));
    return r;
}

// Largest magnitude in the radial and lateral tables: the scale that
// rounding errors of one case are measured against.
double loadScale(const CalculationState& s) {
    double scale = 0.0;
    for (int i = 1; i <= 8; ++i)
        for (int j = 1; j <= 3; ++j)
            scale = std::max({scale, std::fabs(s.RadialLoad[i][j]), std::fabs(s.LateralLoad[i][j]),
                              std::fabs(s.EquivalentLoad[i][j])});
    return scale;
}

// Equal up to rounding: relative to the case's largest load, with a floor
// far below the tenth of a newton that the result page shows.
bool near(double a, double b, double scale) { return std::fabs(a - b) <= 1e-9 * scale + 1e-6; }

class CaseChecks {
public:
    CaseChecks(std::uint64_t seed, long index, const Texts& texts) : seed_(seed), index_(index), texts_(texts) {}
    // `carriage` and `phase` name the cell when not 0.
    void expect(bool condition, const char* what, int carriage = 0, int phase = 0) {
        if (condition) return;
        ++failures;
        std::string where;
        if (carriage != 0) where += ", carriage " + std::to_string(carriage);
        if (phase != 0) where += ", phase " + std::to_string(phase);
        std::string context = hardening::seedNote(seed_) + ", case " + std::to_string(index_) + ", texts:";
        for (const auto& t : texts_) context += " [" + (t.size() > 24 ? t.substr(0, 24) + "..." : t) + "]";
        ADD_FAILURE() << what << where << "\n  " << context;
    }
    int failures = 0;

private:
    std::uint64_t seed_;
    long index_;
    const Texts& texts_;
};

void checkCleared(CaseChecks& check, const CalculationState& s) {
    bool cleared = true;
    for (int i = 1; i <= 8; ++i) {
        cleared = cleared && s.MeanLoad[i] == 0.0f;
        for (int j = 1; j <= 3; ++j)
            cleared =
                cleared && s.RadialLoad[i][j] == 0.0 && s.LateralLoad[i][j] == 0.0 && s.EquivalentLoad[i][j] == 0.0;
    }
    check.expect(cleared, "a refused step leaves loads in the tables");
}

void checkLoads(CaseChecks& check, const CalculationState& s, const Layout& layout, bool everyday) {
    const int n = layout.carriages();
    for (int i = 1; i <= 8; ++i)
        for (int j = 1; j <= 3; ++j) {
            const double loads[] = {s.RadialLoad[i][j], s.LateralLoad[i][j], s.EquivalentLoad[i][j]};
            for (double load : loads) {
                check.expect(std::isfinite(load), "load not finite", i, j);
                if (i > n) check.expect(load == 0.0, "load on a carriage the layout does not have", i, j);
            }
            check.expect(s.EquivalentLoad[i][j] >= 0.0, "negative equivalent load", i, j);
        }

    // Huge entries and tiny spans cancel far beyond any tolerance.
    if (!everyday) return;
    const double scale = loadScale(s);
    for (int i = 1; i <= n; ++i) {
        for (const auto* table : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad}) {
            const auto& row = (*table)[static_cast<std::size_t>(i)];
            if (s.Acceleration == 0.0)
                check.expect(near(row[1], row[2], scale) && near(row[3], row[2], scale),
                             "phases differ without inertia force", i);
        }
        for (const auto* table : {&s.RadialLoad, &s.LateralLoad}) {
            const auto& row = (*table)[static_cast<std::size_t>(i)];
            check.expect(near(row[1] + row[3], 2.0 * row[2], scale),
                         "acceleration and deceleration are not symmetric about uniform speed", i);
        }
    }
}

void checkServiceLife(CaseChecks& check, CalculationState& s) {
    const MeanLoads mean = ComputeServiceLife(s);
    for (int i = 1; i <= 8; ++i) {
        check.expect(std::isfinite(mean[static_cast<std::size_t>(i)]) && std::isfinite(s.MeanLoad[i]),
                     "mean load not finite", i);
        check.expect(mean[static_cast<std::size_t>(i)] >= 0.0, "negative mean load", i);
    }
    check.expect(std::isfinite(s.StaticSafetyFactor) && s.StaticSafetyFactor >= 0.0,
                 "static safety factor negative or not finite");
    check.expect(std::isfinite(s.LifeDistance) && s.LifeDistance >= 0.0,
                 "service life distance negative or not finite");
    check.expect(std::isfinite(s.LifeTime) && s.LifeTime >= 0.0, "service life time negative or not finite");
    if (s.Acceleration == 0.0) check.expect(s.LifeTime == 0.0, "a service life time without inertia force");
}

class CalculationRandom : public testing::TestWithParam<Layout> {};

TEST_P(CalculationRandom, RefusesOrGivesFiniteResults) {
    const Layout layout = GetParam();
    const std::uint64_t seed =
        hardening::testSeed(7000 + static_cast<std::uint64_t>(8 * layout.installation + layout.combination));
    const long count = hardening::scaledCount(10'000, 500);
    Dice dice(seed);
    int failures = 0;
    long refused = 0;
    for (long n = 0; n < count && failures < kMaxFailures; ++n) {
        state() = CalculationState{};
        const RandomState r = makeState(dice, layout);
        CalculationState& s = state();
        CaseChecks check(seed, n, r.texts);

        const StepOutcome outcome = RunCalculationStep(r.texts);
        check.expect(outcome.calculated == outcome.refusal.empty(), "refusal and outcome disagree");
        if (!outcome.calculated) {
            ++refused;
            if (r.everyday) ADD_FAILURE() << "refused: " << outcome.refusal;
            check.expect(!r.everyday, "an everyday state was refused");
            checkCleared(check, s);
        } else {
            checkLoads(check, s, layout, r.everyday);
            checkServiceLife(check, s);
        }
        failures += check.failures;
    }
    // The states are meant to reach the procedures most of the time.
    EXPECT_LT(refused, count / 2) << hardening::seedNote(seed);
}

std::vector<Layout> allLayouts() {
    std::vector<Layout> layouts;
    for (int installation = 0; installation < 5; ++installation)
        for (int combination = 0; combination < 8; ++combination) layouts.push_back({installation, combination});
    return layouts;
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, CalculationRandom, testing::ValuesIn(allLayouts()),
                         [](const testing::TestParamInfo<Layout>& info) {
                             return "Installation" + std::to_string(info.param.installation) + "Combination" +
                                    std::to_string(info.param.combination);
                         });

}  // namespace
