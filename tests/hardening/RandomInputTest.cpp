#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

#include "Random.h"
#include "app/CalculationState.h"
#include "forms/NumberText.h"
#include "operation/CalculationStep.h"
#include "results/ResultText.h"
#include "results/ServiceLife.h"

// Random number texts through reading and writing, and random operating states through the calculation step and the
// service life.
namespace {

using hardening::Dice;
constexpr auto npos = std::string::npos;

std::string chars(Dice& dice, long count, std::string_view from) {
    std::string out(count, ' ');
    for (char& c : out) c = from[dice.between(0, std::ssize(from) - 1)];
    return out;
}

// Number-shaped, either digit run possibly empty ("", "-", "." and "-." too), sometimes with junk, blanks or hundreds
// of digits around it.
std::string randomText(Dice& dice) {
    const long length = dice.chance(0.05) ? dice.between(300, 1500) : dice.between(0, dice.chance(0.9) ? 9 : 25);
    std::string out = dice.chance(0.3) ? "-" : "";
    if (dice.chance(0.1)) out.append(static_cast<std::size_t>(dice.between(1, 30)), '0');
    out += chars(dice, length, "0123456789");
    if (dice.chance(0.6)) out += "." + chars(dice, dice.between(0, 12), "0123456789");
    if (dice.chance(0.03)) out += "." + chars(dice, dice.between(0, 3), "0123456789");
    if (dice.chance(0.15)) out += chars(dice, dice.between(1, 6), "0123456789.-+eE abcxyz\t,");
    if (dice.chance(0.05)) out = std::string(static_cast<std::size_t>(dice.between(1, 3)), ' ') + out;
    if (dice.chance(0.05)) out = chars(dice, dice.between(0, 24), "0123456789.-+eE abcxyz\t,");
    return out;
}

// At most one leading minus and one point, digits otherwise, at least one digit; and the count of digits before the
// point, leading zeros not counted.
bool hasNumberForm(std::string_view t) {
    if (!t.empty() && t[0] == '-') t.remove_prefix(1);
    return t.find_first_not_of("0123456789.") == std::string_view::npos &&
           t.find_first_of("0123456789") != std::string_view::npos && t.find('.') == t.rfind('.');
}
std::size_t integerDigits(std::string_view t) {
    if (!t.empty() && t[0] == '-') t.remove_prefix(1);
    t = t.substr(0, t.find('.'));
    const std::size_t first = t.find_first_not_of('0');
    return first == std::string_view::npos ? 0 : t.size() - first;
}
std::size_t significantDigits(std::string t) {
    std::erase_if(t, [](char c) { return c < '0' || c > '9'; });
    const std::size_t first = t.find_first_not_of('0');
    return first == std::string::npos ? 0 : t.find_last_not_of('0') - first + 1;
}

// What a written text must be: a plain number (no "-0", no trailing point or zero, at most 15 or 7 digits) that reads
// back as itself and near its value.
std::string writtenFault(double value) {
    for (const bool single : {false, true}) {
        const double shown = single ? double{ToSingle(value)} : value;
        const std::string text = single ? NumberText32(ToSingle(value)) : NumberText(value);
        const double back = single ? double{ToSingle(LeadingNumber(text))} : LeadingNumber(text);
        const bool plain = !text.empty() && text != "-0" && text.back() != '.' &&
                           !(text.find('.') != std::string::npos && text.back() == '0') &&
                           significantDigits(text) <= (single ? 7u : 15u) && hasNumberForm(text) && IsNumeric(text);
        if (!plain) return "\"" + text + "\" is not a plain number";
        if ((single ? NumberText32(static_cast<float>(back)) : NumberText(back)) != text)
            return "\"" + text + "\" reads back as another text";
        if (std::fabs(back - shown) > (single ? 1e-6 : 1e-14) * std::fabs(shown)) return "\"" + text + "\" is far off";
    }
    return {};
}

TEST(NumberTextRandom, EveryTextReadsAndEveryWrittenTextReadsBack) {
    const std::uint64_t seed = hardening::testSeed(20261206);
    const long count = hardening::scaledCount(1'000'000, 20'000);
    Dice dice(seed);
    int failures = 0;
    auto check = [&](bool ok, const std::string& what) {
        if (!ok && ++failures <= 10) ADD_FAILURE() << what << " (" << hardening::seedNote(seed) << ")";
    };
    const auto written = [&](double value, const std::string& origin) {
        if (const std::string fault = writtenFault(value); !fault.empty()) check(false, origin + ": " + fault);
    };
    // clang-format off
    const double edges[] = {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), 1.7976931348623155e308, DBL_MIN,
                            DBL_TRUE_MIN, -DBL_TRUE_MIN, FLT_MAX, std::nextafter(double{FLT_MAX}, 1e300), 3.40282356e38,
                            FLT_MIN, FLT_TRUE_MIN, 0.5 * FLT_TRUE_MIN, -0.0, 0.1, 999999999999999.5, 9999999.5,
                            HUGE_VAL, -HUGE_VAL};
    // clang-format on
    for (double edge : edges) written(edge, "edge " + std::to_string(edge));
    for (long n = 0; n < count && failures < 10; ++n) {
        const std::string text = randomText(dice);
        const std::string shown = "text \"" + text.substr(0, 60) + "\"";
        const double value = LeadingNumber(text);
        const bool numeric = IsNumeric(text);
        check(std::isfinite(value), shown + " reads as a non-finite value");
        const std::size_t whole = hasNumberForm(text) ? integerDigits(text) : 0;  // 309 digits may go either way
        if (whole != 309) check(numeric == (hasNumberForm(text) && whole <= 308), shown + " numeric wrongly");
        if (numeric) {
            check(LeadingNumber(text + dice.pick(std::array{"x", " 1", "-2", "e5"})) == value,
                  shown + ": what follows changes the number");
            check(text[0] == '-' ? value <= 0.0 : value >= 0.0, shown + " reads with the wrong sign");
        }
        written(value, shown);
        if (n % 5 != 0) continue;
        // Any finite double by its bits, or one just below the largest double or float.
        double other = 0.0;
        const std::uint64_t bits = dice();
        std::memcpy(&other, &bits, sizeof other);
        if (dice.chance(0.2)) other = (dice.chance(0.5) ? DBL_MAX : FLT_MAX) * (1.0 - dice.uniform(0.0, 1e-13));
        if (std::isfinite(other)) written(other, std::to_string(other));
    }
}

std::string entry(Dice& dice, bool everyday) {
    const long kind = dice.between(everyday ? 3 : 0, 11);
    if (kind == 0) return (dice.chance(0.3) ? "-1" : "1") + std::string(dice.between(20, 305), '0');
    if (kind == 1) return "0." + std::string(dice.between(20, 300), '0') + "1";
    if (kind == 2) return dice.pick(std::array{"0", "", "-", ".", "-5", "0.0000001"});
    if (kind == 3) return NumberText(-dice.uniform(0.0, 2000.0));
    return NumberText(std::round(dice.uniform(-2000.0, 2000.0) * 100.0) / 100.0);
}

class CalculationRandom : public testing::TestWithParam<int> {};

TEST_P(CalculationRandom, RefusesOrGivesFiniteResults) {
    const int installation = GetParam() / 8, combination = GetParam() % 8;
    const int N = (combination < 4 ? 1 : 2) * (combination % 4 + 1);
    const std::uint64_t seed = hardening::testSeed(7000 + GetParam());
    const long count = hardening::scaledCount(10'000, 500);
    Dice dice(seed);
    long refused = 0, failures = 0;
    for (long n = 0; n < count && failures < 5; ++n) {
        CalculationState& s = state() = CalculationState{};
        const bool everyday = dice.chance(0.6);
        auto rating = [&](double high) { return !everyday && dice.chance(0.1) ? 0.0 : dice.uniform(0.01, high); };
        s.SeriesCode = dice.pick(std::array{"WUY", "QEY", "ABC", "wuy", ""});
        s.InstallationIndex = static_cast<std::int16_t>(installation);
        s.CombinationIndex = static_cast<std::int16_t>(combination);
        s.DynamicLoadRating = rating(300), s.StaticLoadRating = rating(500);
        s.PitchingMomentRating = rating(30), s.YawingMomentRating = rating(30);
        s.RollingMomentRating = static_cast<float>(rating(30));
        s.PreloadForce = dice.chance(0.2) ? 0.0f : static_cast<float>(dice.uniform(0, 130) * s.DynamicLoadRating);
        // As the velocity page holds them: V, T1 above 0, Ls at least the travel of T1 as written (the written minimum
        // may lie just below the product); or, besides everyday states, V up to the largest double and T1 down to the
        // smallest.
        const bool extreme = !everyday && dice.chance(0.3);
        const auto power = [&](double low, double high) { return std::pow(10.0, dice.uniform(low, high)); };
        s.Velocity = extreme ? dice.pick(std::array{DBL_MAX, 1e308, power(-30, 308)}) : dice.uniform(0.001, 10.0);
        s.AccelerationTime =
            extreme ? dice.pick(std::array{DBL_TRUE_MIN, 1.0, power(-323, 3)}) : dice.uniform(0.001, 2.0);
        s.StrokeLength = LeadingNumber(
            NumberText(s.Velocity * s.AccelerationTime * 1000.0 * (dice.chance(0.3) ? 1.0 : dice.uniform(1, 20))));
        s.ReciprocationsPerMinute = static_cast<float>(dice.uniform(1.0, 200.0));
        s.Acceleration = dice.chance(0.35) ? 0.0 : s.Velocity / s.AccelerationTime;
        std::array<std::string, 30> texts;
        for (auto& text : texts) text = entry(dice, everyday);
        for (int span : {2, 3, 4})
            if (everyday || dice.chance(0.5)) texts[span] = NumberText(dice.uniform(10.0, 300.0) * dice.uniform(1, 40));
        if (everyday || dice.chance(0.5)) texts[5] = NumberText(dice.uniform(-90.0, 90.0));
        auto expect = [&](bool ok, const std::string& what, int carriage = 0) {
            if (ok) return;
            ADD_FAILURE() << what << " (carriage " << carriage << "), " << hardening::seedNote(seed) << ", case " << n;
            ++failures;
        };
        const StepOutcome outcome = RunCalculationStep(texts);
        expect(outcome.calculated == outcome.refusal.empty(), "refusal and outcome disagree");
        // Everyday entries may still make a figure too long for the result page (a ton braked in a millisecond).
        expect(outcome.calculated || !everyday || outcome.refusal.find("too large for the result page") != npos,
               "an everyday state was refused: " + outcome.refusal);
        double scale = 0;
        for (int i = 1; i <= 8; ++i)
            for (int j = 1; j <= 3; ++j)
                for (const auto* t : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad}) {
                    const double v = (*t)[i][j];
                    expect(outcome.calculated || v == 0, "a refused step leaves loads in the tables", i);
                    expect(std::isfinite(v) && (i <= N || v == 0) && (t != &s.EquivalentLoad || v >= 0), "load", i);
                    scale = std::max(scale, std::fabs(v));
                }
        refused += outcome.calculated ? 0 : 1;
        if (!outcome.calculated) continue;
        // Far below the tenth of a newton the result page shows.
        const auto near = [&](double a, double b) { return std::fabs(a - b) <= 1e-9 * scale + 1e-6; };
        for (int i = 1; everyday && i <= N; ++i)
            for (const auto* t : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad}) {
                const auto& row = (*t)[i];
                if (t != &s.EquivalentLoad) expect(near(row[1] + row[3], 2 * row[2]), "phases not symmetric", i);
                if (s.Acceleration == 0.0) expect(near(row[1], row[2]) && near(row[3], row[2]), "phases differ", i);
            }
        const MeanLoads mean = ComputeServiceLife(s);
        for (int i = 1; i <= 8; ++i)
            expect(std::isfinite(mean[i]) && mean[i] >= 0 && std::isfinite(s.MeanLoad[i]), "mean load", i);
        // A mean lies among the loads it averages, but for the two roundings to 32 bits (which flush a power below
        // the 32-bit range to 0).
        for (int i = 1; i <= N; ++i) {
            const auto& e = s.EquivalentLoad[i];
            const double least = std::min({e[1], e[2], e[3]}), most = std::max({e[1], e[2], e[3]});
            expect(mean[i] >= least * (1 - 0x1p-22) - 1e-11 && mean[i] <= most * (1 + 0x1p-22) + 1e-11,
                   "mean load outside the phase loads", i);
        }
        expect(s.StaticSafetyFactor >= 0 && s.LifeDistance >= 0 && s.LifeTime >= 0,
               "static safety factor or service life negative");
        // Every figure fits its box: a cell holds "-9999999.9", the life frame 31 digits (the page's own test
        // measures these widest texts in the page font).
        const auto digits = [](const std::string& text) { return std::ranges::count_if(text, ::isdigit); };
        for (int i = 1; i <= N; ++i) {
            for (int j = 1; j <= 3; ++j)
                for (const auto* t : {&s.RadialLoad, &s.LateralLoad, &s.EquivalentLoad})
                    expect(digits(LoadCellText((*t)[i][j], ".")) <= 8, "a load too long for its box", i);
            expect(digits(MeanLoadCellText(mean[i], ".")) <= 8, "a mean load too long for its box", i);
        }
        for (double figure : {CutToTenth(s.StaticSafetyFactor), std::floor(s.LifeDistance), std::floor(s.LifeTime)})
            expect(digits(GeneralText(figure, ".")) <= 31, "a life figure too long for its box");
        if (s.Acceleration == 0.0) expect(s.LifeTime == 0.0, "a service life time without inertia force");
    }
    EXPECT_LT(refused, count / 2) << "the states should reach the procedures; " << hardening::seedNote(seed);
    state() = CalculationState{};
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, CalculationRandom, testing::Range(0, 40));

}  // namespace
