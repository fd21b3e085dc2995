#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "Random.h"
#include "forms/NumberText.h"

namespace {

using hardening::Dice;

constexpr std::string_view kDigits = "0123456789";
// Characters a pasted or garbled field could hold besides digits.
constexpr std::string_view kOthers = ".-+eE abcxyz\t,";
constexpr int kMaxFailures = 10;

std::string digits(Dice& dice, long count) {
    std::string out;
    out.reserve(static_cast<std::size_t>(count));
    for (long i = 0; i < count; ++i) out.push_back(kDigits[static_cast<std::size_t>(dice.between(0, 9))]);
    return out;
}

std::string anyChars(Dice& dice, long count) {
    std::string out;
    for (long i = 0; i < count; ++i)
        out.push_back(dice.chance(0.5) ? kDigits[static_cast<std::size_t>(dice.between(0, 9))]
                                       : kOthers[static_cast<std::size_t>(dice.between(0, kOthers.size() - 1))]);
    return out;
}

// Number-shaped: optional minus, digits, optional point, digits; either digit
// run may be empty, so "", "-", "." and "-." come up as well.
std::string numberShaped(Dice& dice, long maxDigits) {
    std::string out;
    if (dice.chance(0.3)) out.push_back('-');
    if (dice.chance(0.1)) out.append(static_cast<std::size_t>(dice.between(1, 30)), '0');
    out += digits(dice, dice.between(0, maxDigits));
    if (dice.chance(0.6)) {
        out.push_back('.');
        out += digits(dice, dice.between(0, maxDigits));
        if (dice.chance(0.05)) out += "." + digits(dice, dice.between(0, 3));
    }
    return out;
}

std::string randomText(Dice& dice) {
    switch (dice.between(0, 19)) {
        case 0:
            return {};
        case 1:
            // Huge: beyond the double range, or long runs of fraction digits.
            if (dice.chance(0.5)) return (dice.chance(0.5) ? "-" : "") + digits(dice, dice.between(310, 1500));
            return "0." + digits(dice, dice.between(300, 1500));
        case 2:
        case 3:
            return anyChars(dice, dice.between(0, 24));
        case 4:
        case 5:
            return numberShaped(dice, 20) + anyChars(dice, dice.between(1, 6));
        case 6:
            return std::string(static_cast<std::size_t>(dice.between(1, 3)), ' ') + numberShaped(dice, 8);
        default:
            return numberShaped(dice, dice.chance(0.9) ? 9 : 25);
    }
}

// Independent statement of the numeric rule over characters: at most one
// leading minus, at most one point, digits otherwise, at least one digit.
bool hasNumberForm(std::string_view text) {
    std::size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    int points = 0, digitCount = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digitCount;
        } else if (c == '.') {
            ++points;
        } else {
            return false;
        }
    }
    return digitCount > 0 && points <= 1;
}

// Digits before the point, leading zeros not counted. Up to 308 the value is
// below the largest double, from 310 on above it; 309 may go either way.
std::size_t integerDigits(std::string_view text) {
    if (!text.empty() && text[0] == '-') text.remove_prefix(1);
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    const std::size_t first = whole.find_first_not_of('0');
    return first == std::string_view::npos ? 0 : whole.size() - first;
}

std::size_t significantDigits(std::string_view text) {
    std::string all;
    for (char c : text)
        if (c >= '0' && c <= '9') all.push_back(c);
    const std::size_t first = all.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    const std::size_t last = all.find_last_not_of('0');
    return last - first + 1;
}

// What every text the program writes must satisfy: plain positional form,
// numeric, and reading back as the value it shows.
class WrittenTextChecks {
public:
    explicit WrittenTextChecks(std::uint64_t seed) : note_(hardening::seedNote(seed)) {}

    bool failedTooOften() const { return failures_ >= kMaxFailures; }

    void fail(const std::string& what) {
        ++failures_;
        ADD_FAILURE() << what << " (" << note_ << ")";
    }

    void checkValue(double value, const std::string& origin) {
        if (!std::isfinite(value)) fail("non-finite value " + std::to_string(value) + " from " + origin);
        checkDouble(value, origin);
        checkSingle(ToSingle(value), origin);
    }

    void checkDouble(double value, const std::string& origin) {
        const std::string text = NumberText(value);
        checkForm(text, 15, origin);
        const double back = LeadingNumber(text);
        if (NumberText(back) != text) fail("64-bit text \"" + text + "\" reads back as another text, from " + origin);
        if (std::fabs(back - value) > 1e-14 * std::fabs(value))
            fail("64-bit text \"" + text + "\" is far from its value, from " + origin);
    }

    void checkSingle(float value, const std::string& origin) {
        const std::string text = NumberText32(value);
        checkForm(text, 7, origin);
        const float back = ToSingle(LeadingNumber(text));
        if (NumberText32(back) != text) fail("32-bit text \"" + text + "\" reads back as another text, from " + origin);
        if (std::fabs(back - value) > 1e-6f * std::fabs(value))
            fail("32-bit text \"" + text + "\" is far from its value, from " + origin);
    }

private:
    void checkForm(const std::string& text, std::size_t maxDigits, const std::string& origin) {
        const bool plain = !text.empty() && text != "-0" && text.back() != '.' &&
                           !(text.find('.') != std::string::npos && text.back() == '0') &&
                           significantDigits(text) <= maxDigits;
        if (!plain || !hasNumberForm(text) || !IsNumeric(text))
            fail("written text \"" + text + "\" is not a plain number, from " + origin);
    }

    std::string note_;
    int failures_ = 0;
};

// Round-trip form of a value for failure messages.
std::string exact(double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", value);
    return buf;
}

std::string shown(const std::string& text) {
    return "text \"" +
           (text.size() > 60 ? text.substr(0, 60) + "...(" + std::to_string(text.size()) + " chars)" : text) + "\"";
}

TEST(NumberTextRandom, EveryTextReadsAndEveryWrittenTextReadsBack) {
    const std::uint64_t seed = hardening::testSeed(20261206);
    const long count = hardening::scaledCount(1'000'000, 20'000);
    Dice dice(seed);
    WrittenTextChecks checks(seed);

    for (long n = 0; n < count && !checks.failedTooOften(); ++n) {
        const std::string text = randomText(dice);
        const double value = LeadingNumber(text);
        const bool numeric = IsNumeric(text);

        if (!std::isfinite(value)) checks.fail(shown(text) + " reads as a non-finite value");
        const std::size_t whole = hasNumberForm(text) ? integerDigits(text) : 0;
        if (whole != 309) {
            const bool expected = hasNumberForm(text) && whole <= 308;
            if (numeric != expected) checks.fail(shown(text) + (numeric ? " is taken as numeric" : " is not numeric"));
        }
        if (numeric) {
            // A number's value does not depend on what follows it.
            const char* tails[] = {"x", " 1", "-2", "e5", "abc"};
            const std::string tail = dice.pick(tails);
            if (LeadingNumber(text + tail) != value) checks.fail(shown(text + tail) + " reads a different number");
            if (text[0] == '-' ? value > 0.0 : value < 0.0) checks.fail(shown(text) + " reads with the wrong sign");
        }
        checks.checkValue(value, shown(text));
    }
}

TEST(NumberTextRandom, WrittenTextOfAnyValueReadsBack) {
    const std::uint64_t seed = hardening::testSeed(61220262);
    const long count = hardening::scaledCount(200'000, 5'000);
    Dice dice(seed);
    WrittenTextChecks checks(seed);

    // The ends of both ranges, where rounding to the written digits can carry
    // a value over the edge.
    const double edges[] = {DBL_MAX,
                            -DBL_MAX,
                            std::nextafter(DBL_MAX, 0.0),
                            1.797693134862315e308,
                            1.7976931348623155e308,
                            1.79769313486231e308,
                            DBL_MIN,
                            DBL_TRUE_MIN,
                            -DBL_TRUE_MIN,
                            static_cast<double>(FLT_MAX),
                            std::nextafter(static_cast<double>(FLT_MAX), 1e300),
                            3.4028235e38,
                            3.40282356e38,
                            static_cast<double>(FLT_MIN),
                            static_cast<double>(FLT_TRUE_MIN),
                            0.5 * static_cast<double>(FLT_TRUE_MIN),
                            0.0,
                            -0.0,
                            0.1,
                            999999999999999.5,
                            9999999.5,
                            HUGE_VAL,
                            -HUGE_VAL};
    for (double edge : edges) {
        checks.checkDouble(edge, "edge value " + exact(edge));
        checks.checkSingle(ToSingle(edge), "edge value " + exact(edge));
    }
    for (float edge : {FLT_MAX, -FLT_MAX}) checks.checkSingle(edge, "32-bit edge " + exact(edge));

    for (long n = 0; n < count && !checks.failedTooOften(); ++n) {
        double value = 0.0;
        switch (dice.between(0, 3)) {
            case 0: {
                // Any finite double, by its bits.
                const std::uint64_t bits = dice.bits();
                std::memcpy(&value, &bits, sizeof value);
                if (!std::isfinite(value)) continue;
                break;
            }
            case 1:
                // Just below the largest double or float.
                value = (dice.chance(0.5) ? DBL_MAX : static_cast<double>(FLT_MAX)) *
                        (1.0 - dice.uniform(0.0, 1e-13) * (dice.chance(0.5) ? 1.0 : 1e-3));
                break;
            case 2:
                // Entries of everyday size with a few decimals.
                value = std::round(dice.uniform(-1e6, 1e6) * 1000.0) / 1000.0;
                break;
            default:
                value = std::ldexp(dice.uniform(-1.0, 1.0), static_cast<int>(dice.between(-1074, 1023)));
                break;
        }
        const std::string origin = "value " + exact(value);
        checks.checkDouble(value, origin);
        checks.checkSingle(ToSingle(value), origin);
    }
}

}  // namespace
