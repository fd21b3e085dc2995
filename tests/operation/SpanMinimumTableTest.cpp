#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "forms/NumberText.h"
#include "operation/OperationFieldChecks.h"
#include "operation/SpanMinimumTable.h"

namespace {

TEST(SpanRaising, RaisesToTheMinimumsOfSizeAndLayout) {
    const struct {
        const char *series, *size;
        int combination;
        SpanFieldTexts before, after;
        MinimumSpans minimums;
    } cases[] = {
        // three carriages per rail, on one or two rails
        {"QEH", "25", 2, {"0.0", "0.0", "0.0"}, {"175.2", "362.4", "48"}, {175.2, 362.4, 48.0f}},
        {"WUN", "45L", 6, {"0.0", "0.0", "0.0"}, {"361", "734", "86"}, {361.0, 734.0, 86.0f}},
        {"QEH", "25", 1, {"81.5", "0", "47.9"}, {"81.6", "268.8", "48"}, {81.6, 268.8, 48.0f}},
        {"QEH", "25", 1, {"81.60", "268.80", "48.0"}, {"81.60", "268.80", "48.0"}, {81.6, 268.8, 48.0f}},
        {"QEH", "25", 3, {"300", "400", "60"}, {"300", "487.2", "60"}, {81.6, 487.2, 48.0f}},
        // the bracketed offsets: the first raises, the second is the check
        {"WUY", "30", 1, {"0.0", "0.0", "0.0"}, {"112.1", "378.3", "60"}, {112.1, 360.3, 60.0f}},
        {"QEY", "45", 7, {"0.0", "0.0", "0.0"}, {"153.9", "485.7", "86"}, {153.9, 483.7, 86.0f}},
        {"QEJ", "25T", 5, {"", "abc", "-5"}, {"60.2", "204.6", "48"}, {60.2, 204.6, 48.0f}},
        // a smaller size later leaves larger spans and lowers the minimums
        {"QEH", "15", 7, {"137.7", "440.1", "86"}, {"137.7", "440.1", "86"}, {56.3, 264.3, 34.0f}},
        // 72.9 + 169.8 is written as 242.7, which is also the threshold
        {"QEH", "20", 3, {"72.9", "242.7", "44"}, {"72.9", "242.7", "44"}, {72.9, 242.7, 44.0f}},
        {"QEH", "25", 1, {"90.1.5", "0.", "."}, {"90.1.5", "277.3", "48"}, {81.6, 277.3, 48.0f}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.series) + c.size + "/" + std::to_string(c.combination) + " " + c.before.l1);
        const SpanRaising r = RaiseSpans(c.series, c.size, c.combination, c.before);
        ASSERT_TRUE(r.found);
        EXPECT_EQ(std::tie(r.texts.l1, r.texts.l1b, r.texts.l2), std::tie(c.after.l1, c.after.l1b, c.after.l2));
        EXPECT_EQ(std::tuple(r.l1Raised, r.l1bRaised, r.l2Raised),
                  std::tuple(c.after.l1 != c.before.l1, c.after.l1b != c.before.l1b, c.after.l2 != c.before.l2));
        EXPECT_EQ(std::tie(r.minimums.l1, r.minimums.l1b, r.minimums.l2),
                  std::tie(c.minimums.l1, c.minimums.l1b, c.minimums.l2));
    }
    const SpanRaising u = RaiseSpans("QEH", "15T", 1, {"1", "2", "3"});  // no such size: nothing changes
    EXPECT_FALSE(u.found || u.l1Raised || u.l1bRaised || u.l2Raised || u.texts.l1b != "2");
}

// Whatever the raising writes must pass the check it is then subject to, and
// a second activation must find nothing left to raise; otherwise leaving a
// raised field would show a message and rewrite the same text forever.
TEST(SpanRaising, EveryRaisedTextPassesItsOwnCheckAndStays) {
    const SpanFieldTexts starts[] = {
        {"0.0", "0.0", "0.0"}, {"0.1", "0", "0"}, {"123.456", "1", "1"}, {"99999.99", "5", "5"}, {"0.7", "0.2", "0.3"}};
    for (const SpanMinimumRow& row : SpanMinimumRows())
        for (int combination = 0; combination < 8; ++combination)
            for (const SpanFieldTexts& start : starts) {
                SCOPED_TRACE(std::string(row.series) + std::string(row.size) + "/" + std::to_string(combination));
                const SpanRaising r = RaiseSpans(row.series, row.size, combination, start);
                EXPECT_TRUE(CheckOperationField(3, r.texts.l1, r.minimums).accepted) << r.texts.l1;
                EXPECT_TRUE(CheckOperationField(4, r.texts.l1b, r.minimums).accepted) << r.texts.l1b;
                EXPECT_TRUE(CheckOperationField(5, r.texts.l2, r.minimums).accepted) << r.texts.l2;
                const OperationVerdict low = CheckOperationField(4, "0", r.minimums);
                ASSERT_FALSE(low.accepted);
                EXPECT_TRUE(CheckOperationField(4, low.replacement, r.minimums).accepted) << low.replacement;
                EXPECT_EQ(NumberText(LeadingNumber(r.texts.l1b)), r.texts.l1b);
                const SpanRaising again = RaiseSpans(row.series, row.size, combination, r.texts);
                EXPECT_FALSE(again.l1Raised || again.l1bRaised || again.l2Raised);
            }
}

}  // namespace
