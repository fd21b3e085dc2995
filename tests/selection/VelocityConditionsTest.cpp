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

}  // namespace
