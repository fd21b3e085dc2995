#include <gtest/gtest.h>

#include <string>

#include "operation/OperationFieldChecks.h"

namespace {

TEST(OperationFieldChecks, EachClassRejectsAndReplacesAsLaidDown) {
    const std::string l1 = "滑塊跨距L1 必須輸入一個大於或等於 56.3 的數值";
    const std::string l1b = "滑塊跨距L1' 必須輸入一個大於或等於 182.9 的數值";
    const std::string l2 = "滑軌跨距L2 必須輸入一個大於或等於 34 的數值";
    const std::string angle = "傾斜角度θ 必須輸入一個 -90° ≦θ≦ 90° 的數值";
    const std::string mass = "質量m1 必須輸入一個 0 以外的數值";
    const struct {
        int field;
        const char* text;
        const char* replacement;  // empty: accepted
        bool returnFocus = false;
        const char* title = "";
        std::string message = "";
    } cases[] = {
        {2, "-3.5", ""},
        {30, "12.", ""},
        {9, "-", "0.0", true},
        {22, "1.2.3", "0.0", true},
        {3, "56.3", ""},
        {3, "56.2", "56.3", true, "訊息", l1},
        {3, ".", "56.3", true, "訊息", l1},
        {4, "182.89", "182.9", true, "訊息", l1b},
        // rail span in 32 bits: 33.999999999 narrows to 34; huge texts saturate
        {5, "33.999999999", ""},
        {5, "33.99", "34", true, "訊息", l2},
        {5, "9999999999999999999999999999999999999999", ""},
        {6, "90", ""},
        {6, "-90", ""},
        {6, "90.5", "0.0", true, "Warning ", angle},
        {6, "-91", "0.0", true, "Warning ", angle},
        {6, "", "0.0", true, "Warning ", angle},
        {7, "-20", ""},
        {7, "-0", "50.0", true, "訊息", mass},
        {7, "0.000", "50.0", true, "訊息", mass},
        // optional masses reset to "0.0", loads to "0", silently, focus moves on
        {11, "0", "0.0", false},
        {15, "", "0.0", false},
        {19, "0.0", "0", false},
        {27, "-", "0", false},
        {27, "0.5", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("Text" + std::to_string(c.field) + " \"" + c.text + "\"");
        const OperationVerdict v = CheckOperationField(c.field, c.text, {56.3, 182.9, 34.0f});
        EXPECT_EQ(v.accepted, *c.replacement == '\0');
        if (v.accepted) continue;
        EXPECT_EQ(v.replacement, c.replacement);
        EXPECT_EQ(v.returnFocus, c.returnFocus);
        EXPECT_EQ(v.title, c.title);
        EXPECT_EQ(v.message, c.message);
    }
    // thresholds are written shortest
    const std::pair<MinimumSpans, const char*> shortest[] = {{{97.0, 0.0, 0.0f}, "97"}, {{411.5, 0.0, 0.0f}, "411.5"}};
    for (const auto& [minimums, shown] : shortest) EXPECT_EQ(CheckOperationField(3, "", minimums).replacement, shown);
    EXPECT_EQ(CheckOperationField(4, "", {0.0, 72.9 + 169.8, 0.0f}).replacement, "242.7");
    EXPECT_EQ(CheckOperationField(5, "", {0.0, 0.0, 0.1f}).replacement, "0.1");
}

}  // namespace
