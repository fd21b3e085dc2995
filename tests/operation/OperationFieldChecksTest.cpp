#include <gtest/gtest.h>

#include <string>

#include "operation/OperationFieldChecks.h"

namespace {

TEST(OperationFieldChecks, EachClassRejectsAndReplacesAsLaidDown) {
    const MinimumSpans qeh15{56.3, 182.9, 34.0f};
    // The rail span is compared in 32 bits: 33.999999999 narrows to 34; huge texts saturate.
    const std::pair<int, const char*> accepted[] = {
        {2, "-3.5"}, {30, "12."}, {3, "56.3"}, {5, "33.999999999"}, {5, "9999999999999999999999999999999999999999"},
        {6, "90"},   {6, "-90"},  {7, "-20"},  {27, "0.5"}};
    for (const auto& [field, text] : accepted) EXPECT_TRUE(CheckOperationField(field, text, qeh15).accepted) << text;

    const std::string angle = "傾斜角度θ 必須輸入一個 -90° ≦θ≦ 90° 的數值";
    const struct {
        int field;
        const char *text, *replacement;
        bool returnFocus = false;
        const char* title = "";
        std::string message = "";
    } rejected[] = {
        {9, "-", "0.0", true},
        {3, ".", "56.3", true, "訊息", "滑塊跨距L1 必須輸入一個大於或等於 56.3 的數值"},
        {4, "182.89", "182.9", true, "訊息", "滑塊跨距L1' 必須輸入一個大於或等於 182.9 的數值"},
        {5, "33.99", "34", true, "訊息", "滑軌跨距L2 必須輸入一個大於或等於 34 的數值"},
        {6, "90.5", "0.0", true, "Warning ", angle},
        {6, "-91", "0.0", true, "Warning ", angle},
        {6, "", "0.0", true, "Warning ", angle},
        {7, "-0", "50.0", true, "訊息", "質量m1 必須輸入一個 0 以外的數值"},
        // optional masses reset to "0.0", loads to "0", silently, and the focus moves on
        {11, "0", "0.0"},
        {19, "0.0", "0"},
        {27, "-", "0"},
    };
    for (const auto& c : rejected) {
        SCOPED_TRACE("Text" + std::to_string(c.field) + " \"" + c.text + "\"");
        const OperationVerdict v = CheckOperationField(c.field, c.text, qeh15);
        EXPECT_FALSE(v.accepted);
        EXPECT_EQ(v.replacement, c.replacement);
        EXPECT_EQ(v.returnFocus, c.returnFocus);
        EXPECT_EQ(v.title, c.title);
        EXPECT_EQ(v.message, c.message);
    }
    EXPECT_EQ(CheckOperationField(3, "", {97.0, 0.0, 0.0f}).replacement, "97");  // thresholds written shortest
    EXPECT_EQ(CheckOperationField(4, "", {0.0, 72.9 + 169.8, 0.0f}).replacement, "242.7");
    EXPECT_EQ(CheckOperationField(5, "", {0.0, 0.0, 0.1f}).replacement, "0.1");
}

}  // namespace
