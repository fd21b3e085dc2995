#include <gtest/gtest.h>

#include <string>

#include "forms/NumberText.h"
#include "selection/VelocityConditions.h"

namespace {

const std::string strokeMessage = StrokeMessage;
const std::string rateMessage = RateMessage;

TEST(VelocityLimits, MinimumAndMaximumAsWritten) {
    struct Case {
        const char *v, *t1, *ls;
        const char* minimumText;
        const char* maximumText;
    };
    const Case cases[] = {
        {"0.25", "0.05", "487.5", "12.5", "15"},
        {"0.25", "0.05", "412.5", "12.5", "17.647058"},  // 17.6470588..., cut not rounded
        {"0.25", "0.05", "550", "12.5", "13.333333"},
        {"0.2", "0.1", "20", "20", "150"},          // product 20.000000000000004
        {"0.3", "0.07", "21", "21", "214.285714"},  // 21.000000000000004 in the other order
        {"0.000000001", "0.05", "487.5", "0.00000005", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.v) + " " + c.t1 + " " + c.ls);
        const WrittenLimit minimum = MinimumStroke(LeadingNumber(c.v), LeadingNumber(c.t1));
        EXPECT_EQ(minimum.text, c.minimumText);
        EXPECT_EQ(minimum.value, LeadingNumber(c.minimumText));
        const WrittenLimit maximum = MaximumRate(LeadingNumber(c.v), LeadingNumber(c.t1), LeadingNumber(c.ls));
        EXPECT_EQ(maximum.text, c.maximumText);
        EXPECT_EQ(maximum.value, LeadingNumber(c.maximumText));
    }
}

// A limit at the end of the range of a double still refuses every stroke
// below it, whatever text it is written as.
TEST(VelocityLimits, LimitAtTheEndOfTheRange) {
    const std::string huge = "1" + std::string(200, '0');
    const WrittenLimit minimum = MinimumStroke(LeadingNumber(huge), LeadingNumber(huge));
    EXPECT_GE(minimum.value, 1e300);
    const FieldRuling ruling = RuleStroke(huge, huge, "1" + std::string(300, '0'));
    EXPECT_FALSE(ruling.accepted);
    EXPECT_EQ(ruling.message, strokeMessage + minimum.text);
}

TEST(VelocityNext, OutcomesAndStoredValues) {
    struct Case {
        const char *v, *t1, *ls, *n;
        Refusal refusal;
        const char* limit;  // number at the end of the message, and the replacement
    };
    const Case cases[] = {
        {"0.25", "0.05", "487.5", "5.0", Refusal::None, ""},
        {"0.25", "0.05", "12.5", "5.0", Refusal::None, ""},
        {"0.25", "0.05", "12.4", "5.0", Refusal::Stroke, "12.5"},
        {"0.25", "0.05", "12.4", "999", Refusal::Stroke, "12.5"},  // stroke is judged first
        {"0.25", "0.05", "487.5", "15", Refusal::None, ""},
        {"0.25", "0.05", "487.5", "15.1", Refusal::Rate, "15"},
        {"0.2", "0.1", "20", "150", Refusal::None, ""},
        {"0.3", "0.07", "21", "214.285714", Refusal::None, ""},
        {"0.25", "0.05", "550", "13.333333", Refusal::None, ""},  // its 32-bit copy lies above
        {"0.25", "0.05", "550", "13.3333331", Refusal::Rate, "13.333333"},
        {"0.000000001", "0.05", "487.5", "5", Refusal::Rate, "0"},
        {"0.000000001", "0.05", "487.5", "0", Refusal::Rate, "0"},
        {"0.25", "0.05", "487.5", "", Refusal::Rate, "15"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.v) + " " + c.t1 + " " + c.ls + " " + c.n);
        const InertiaNext next = JudgeInertiaNext(c.v, c.t1, c.ls, c.n);
        // Stored whatever the outcome.
        EXPECT_EQ(next.velocity, LeadingNumber(c.v));
        EXPECT_EQ(next.accelerationTime, LeadingNumber(c.t1));
        EXPECT_EQ(next.strokeLength, LeadingNumber(c.ls));
        EXPECT_EQ(next.reciprocationsPerMinute, static_cast<float>(LeadingNumber(c.n)));
        EXPECT_EQ(next.refusal, c.refusal);
        if (c.refusal == Refusal::None) {
            EXPECT_EQ(next.acceleration, next.velocity / next.accelerationTime);
            continue;
        }
        const std::string& prefix = c.refusal == Refusal::Stroke ? strokeMessage : rateMessage;
        EXPECT_EQ(next.message, prefix + c.limit);
        EXPECT_EQ(next.replacement, c.limit);
    }
    EXPECT_EQ(JudgeInertiaNext("0.25", "0.05", "487.5", "5.0").acceleration, 5.0);
}

// Whatever V and T1 are, the texts the page writes as limits pass the field
// checks and "Next" alike.
TEST(VelocityNext, WrittenLimitsAreAlwaysAccepted) {
    const char* velocities[] = {"0.1", "0.2", "0.25", "0.3", "0.7", "1.1", "2.9", "0.013", "3.3"};
    const char* times[] = {"0.01", "0.05", "0.07", "0.1", "0.3", "0.11", "1.7", "0.029"};
    const char* extraStrokes[] = {"0", "0.1", "33.3", "550", "1234.567"};
    int checked = 0;
    for (const char* v : velocities)
        for (const char* t1 : times) {
            const std::string minimum = RuleStroke(v, t1, "").replacement;
            ASSERT_TRUE(RuleStroke(v, t1, minimum).accepted) << v << " " << t1 << " " << minimum;
            for (const char* extra : extraStrokes) {
                const std::string ls = NumberText(LeadingNumber(minimum) + LeadingNumber(extra));
                const std::string maximum = RuleRate(v, t1, ls, "").replacement;
                ASSERT_TRUE(RuleRate(v, t1, ls, maximum).accepted) << v << " " << t1 << " " << ls;
                const InertiaNext next = JudgeInertiaNext(v, t1, ls, maximum);
                ASSERT_EQ(next.refusal, Refusal::None) << v << " " << t1 << " " << ls << " " << maximum;
                ++checked;
            }
        }
    EXPECT_EQ(checked, 9 * 8 * 5);
}

}  // namespace
