#include <gtest/gtest.h>

#include <string>

#include "forms/NumberText.h"
#include "selection/VelocityConditions.h"

namespace {

TEST(VelocityLimits, MinimumAndMaximumAsWritten) {
    const char* cases[][5] = {
        {"0.25", "0.05", "487.5", "12.5", "15"},
        {"0.25", "0.05", "412.5", "12.5", "17.647058"},  // 17.6470588..., cut not rounded
        {"0.25", "0.05", "550", "12.5", "13.333333"},
        {"0.2", "0.1", "20", "20", "150"},          // product 20.000000000000004
        {"0.3", "0.07", "21", "21", "214.285714"},  // 21.000000000000004 in the other order
        {"0.000000001", "0.05", "487.5", "0.00000005", "0"},
    };
    for (const auto& c : cases) {
        const double v = LeadingNumber(c[0]), t1 = LeadingNumber(c[1]);
        EXPECT_EQ(MinimumStroke(v, t1).text, c[3]) << c[0] << " " << c[1];
        EXPECT_EQ(MinimumStroke(v, t1).value, LeadingNumber(c[3]));
        EXPECT_EQ(MaximumRate(v, t1, LeadingNumber(c[2])).text, c[4]) << c[2];
        EXPECT_EQ(MaximumRate(v, t1, LeadingNumber(c[2])).value, LeadingNumber(c[4]));
    }
    const std::string huge = "1" + std::string(200, '0');  // a minimum beyond the range of a double
    EXPECT_FALSE(RuleStroke(huge, huge, "1" + std::string(300, '0')).accepted);
}

// Whatever V, T1 and Ls are, the limits the page writes pass the field checks and "Next".
TEST(VelocityNext, WrittenLimitsAreAlwaysAccepted) {
    for (const char* v : {"0.1", "0.2", "0.25", "0.3", "0.7", "1.1", "2.9", "0.013", "3.3"})
        for (const char* t1 : {"0.01", "0.05", "0.07", "0.1", "0.3", "0.11", "1.7", "0.029"}) {
            const std::string minimum = RuleStroke(v, t1, "").replacement;
            ASSERT_TRUE(RuleStroke(v, t1, minimum).accepted) << v << " " << t1 << " " << minimum;
            for (const char* extra : {"0", "0.1", "33.3", "550", "1234.567"}) {
                const std::string ls = NumberText(LeadingNumber(minimum) + LeadingNumber(extra));
                const std::string maximum = RuleRate(v, t1, ls, "").replacement;
                ASSERT_TRUE(RuleRate(v, t1, ls, maximum).accepted) << v << " " << t1 << " " << ls;
                ASSERT_EQ(JudgeInertiaNext(v, t1, ls, maximum).refusal, Refusal::None) << v << " " << t1 << " " << ls;
            }
        }
}

// V and T1 that leave some derived quantity without a finite value: each field refuses its entry with its default,
// the stroke and the rate are left as they stand with no limit to write, and "Next" refuses V or T1, whichever is at
// fault. Without inertia force V alone counts.
TEST(VelocityNext, MotionWithoutFiniteMeasureIsRefused) {
    const std::string huge = "1" + std::string(308, '0');
    const struct {
        std::string v, t1, ls;
        Refusal next;
    } cases[] = {
        {huge, "0.05", "487.5", Refusal::Velocity},                                     // 1000 V T1
        {"1" + std::string(306, '0'), "0.001", "487.5", Refusal::Velocity},             // (1000 V) T1 only
        {"1", "0." + std::string(309, '0') + "1", "487.5", Refusal::AccelerationTime},  // V / T1
        {huge, "0." + std::string(309, '0') + "1", "487.5", Refusal::Velocity},
        {"0." + std::string(319, '0') + "1", "10000000000", "487.5", Refusal::AccelerationTime},  // V / T1 is 0
        {"0.0000000000001", "0." + std::string(319, '0') + "1", "0", Refusal::AccelerationTime},  // no maximum rate
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.v.substr(0, 24) + " " + c.t1.substr(0, 24) + " " + c.ls);
        EXPECT_TRUE(RuleVelocity(c.v).accepted);
        const FieldRuling v = RuleVelocity(c.v, c.t1, c.ls), t1 = RuleAccelerationTime(c.v, c.t1, c.ls);
        EXPECT_TRUE(!v.accepted && v.message.empty() && v.replacement == DefaultVelocityText);
        EXPECT_TRUE(!t1.accepted && t1.message.empty() && t1.replacement == DefaultAccelerationTimeText);
        const FieldRuling ls = RuleStroke(c.v, c.t1, c.ls), n = RuleRate(c.v, c.t1, c.ls, "5");
        EXPECT_TRUE(!ls.accepted && ls.message.empty() && ls.replacement == c.ls);
        EXPECT_TRUE(!n.accepted && n.message.empty() && n.replacement == "5");
        const InertiaNext next = JudgeInertiaNext(c.v, c.t1, c.ls, "5");
        EXPECT_EQ(next.refusal, c.next);
        EXPECT_TRUE(next.message.empty());
        EXPECT_EQ(next.replacement, c.next == Refusal::Velocity ? DefaultVelocityText : DefaultAccelerationTimeText);
    }
}

}  // namespace
