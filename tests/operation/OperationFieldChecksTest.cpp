#include <gtest/gtest.h>

#include <string>

#include "operation/OperationFieldChecks.h"

namespace {

const MinimumSpans kQeh15{56.3, 182.9, 34.0f};

const std::string kL1Prompt = "滑塊跨距L1 必須輸入一個大於或等於 ";
const std::string kL1bPrompt = "滑塊跨距L1' 必須輸入一個大於或等於 ";
const std::string kL2Prompt = "滑軌跨距L2 必須輸入一個大於或等於 ";
const std::string kAngleMessage = "傾斜角度θ 必須輸入一個 -90° ≦θ≦ 90° 的數值";
const std::string kMassMessage = "質量m1 必須輸入一個 0 以外的數值";

struct CheckCase {
    int field;
    const char* text;
    bool accepted;
    const char* replacement;  // when rejected
    bool returnFocus;
    const char* title;
    std::string message;
};

TEST(OperationFieldChecks, EachClassRejectsAndReplacesAsLaidDown) {
    const CheckCase cases[] = {
        // plain: only malformed texts, silently, focus back
        {1, "12", true, "", false, "", ""},
        {2, "-3.5", true, "", false, "", ""},
        {8, ".5", true, "", false, "", ""},
        {30, "12.", true, "", false, "", ""},
        {2, "", false, "0.0", true, "", ""},
        {9, "-", false, "0.0", true, "", ""},
        {14, ".", false, "0.0", true, "", ""},
        {22, "1.2.3", false, "0.0", true, "", ""},
        {29, "5-", false, "0.0", true, "", ""},
        // carriage spans: the threshold as text in the message and the field
        {3, "56.3", true, "", false, "", ""},
        {3, "1000", true, "", false, "", ""},
        {3, "56.2", false, "56.3", true, "訊息", kL1Prompt + "56.3 的數值"},
        {3, "", false, "56.3", true, "訊息", kL1Prompt + "56.3 的數值"},
        {3, ".", false, "56.3", true, "訊息", kL1Prompt + "56.3 的數值"},
        {4, "182.9", true, "", false, "", ""},
        {4, "182.89", false, "182.9", true, "訊息", kL1bPrompt + "182.9 的數值"},
        // rail span in 32 bits: 33.999999999 narrows to 34
        {5, "34", true, "", false, "", ""},
        {5, "33.999999999", true, "", false, "", ""},
        {5, "33.99", false, "34", true, "訊息", kL2Prompt + "34 的數值"},
        {5, "", false, "34", true, "訊息", kL2Prompt + "34 的數值"},
        // beyond the range of a 32-bit float: saturates, a large span passes
        {5, "9999999999999999999999999999999999999999", true, "", false, "", ""},
        // angle within ±90
        {6, "90", true, "", false, "", ""},
        {6, "-90", true, "", false, "", ""},
        {6, "0", true, "", false, "", ""},
        {6, "90.5", false, "0.0", true, "Warning ", kAngleMessage},
        {6, "-91", false, "0.0", true, "Warning ", kAngleMessage},
        {6, "", false, "0.0", true, "Warning ", kAngleMessage},
        // first mass: anything but zero, negative included
        {7, "12", true, "", false, "", ""},
        {7, "-20", true, "", false, "", ""},
        {7, "0", false, "50.0", true, "訊息", kMassMessage},
        {7, "-0", false, "50.0", true, "訊息", kMassMessage},
        {7, "0.000", false, "50.0", true, "訊息", kMassMessage},
        {7, "-", false, "50.0", true, "訊息", kMassMessage},
        // optional quantities: masses reset to "0.0", loads to "0", no message,
        // the focus stays where it went
        {11, "-20", true, "", false, "", ""},
        {11, "0", false, "0.0", false, "", ""},
        {15, "", false, "0.0", false, "", ""},
        {19, "", false, "0", false, "", ""},
        {19, "0.0", false, "0", false, "", ""},
        {23, "5", true, "", false, "", ""},
        {27, "-", false, "0", false, "", ""},
        {27, "0.5", true, "", false, "", ""},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE("Text" + std::to_string(c.field) + " \"" + c.text + "\"");
        const OperationVerdict v = CheckOperationField(c.field, c.text, kQeh15);
        EXPECT_EQ(v.accepted, c.accepted);
        if (c.accepted) continue;
        EXPECT_EQ(v.replacement, c.replacement);
        EXPECT_EQ(v.returnFocus, c.returnFocus);
        EXPECT_EQ(v.title, c.title);
        EXPECT_EQ(v.message, c.message);
    }
}

TEST(OperationFieldChecks, ThresholdsAreWrittenShortest) {
    struct Case {
        MinimumSpans minimums;
        int field;
        std::string shown;
    };
    const Case cases[] = {
        {{97.0, 0.0, 0.0f}, 3, "97"},   {{411.5, 0.0, 0.0f}, 3, "411.5"}, {{0.0, 72.9 + 169.8, 0.0f}, 4, "242.7"},
        {{0.0, 0.0, 126.0f}, 5, "126"}, {{0.0, 0.0, 0.1f}, 5, "0.1"},
    };
    for (const Case& c : cases) {
        const OperationVerdict v = CheckOperationField(c.field, "", c.minimums);
        ASSERT_FALSE(v.accepted);
        EXPECT_EQ(v.replacement, c.shown);
        EXPECT_NE(v.message.find(" " + c.shown + " 的數值"), std::string::npos) << v.message;
    }
}

}  // namespace
