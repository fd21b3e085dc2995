#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "forms/NumberText.h"
#include "operation/OperationFieldChecks.h"
#include "operation/SpanMinimumTable.h"

namespace {

TEST(SpanMinimumTable, HoldsOneRowPerOfferedSizeAndTheRollerSeriesAlike) {
    const auto rows = SpanMinimumRows();
    ASSERT_EQ(rows.size(), 59u);
    std::set<std::string> keys;
    auto values = [](const SpanMinimumRow& r) {
        return std::tuple(r.l1Minimum, r.l1MinimumThree, r.l1bOffset, r.l1bOffsetCheck, r.l2Minimum);
    };
    for (const SpanMinimumRow& row : rows) {
        SCOPED_TRACE(std::string(row.series) + std::string(row.size));
        EXPECT_GT(row.l1Minimum, 0.0);
        EXPECT_GT(row.l1MinimumThree, row.l1Minimum);
        EXPECT_GT(row.l2Minimum, 0.0f);
        keys.insert(std::string(row.series) + "/" + std::string(row.size));
        if (row.series != "WUY") continue;
        const SpanMinimumRow* twin = FindSpanMinimum("QEY", row.size);
        ASSERT_NE(twin, nullptr);
        EXPECT_EQ(values(*twin), values(row));
    }
    EXPECT_EQ(keys.size(), 59u);

    EXPECT_NE(FindSpanMinimum("QEJ", "15T"), nullptr);
    for (const auto& [series, size] : {std::pair{"qeh", "25"}, std::pair{"QEH", "25l"}, std::pair{"QEH", "15T"}})
        EXPECT_EQ(FindSpanMinimum(series, size), nullptr) << series << size;
}

struct RaisingCase {
    const char* series;
    const char* size;
    int combination;
    SpanFieldTexts before;
    SpanFieldTexts after;
    MinimumSpans minimums;
};

TEST(SpanRaising, RaisesToTheMinimumsOfSizeAndLayout) {
    const RaisingCase cases[] = {
        // first activation, two carriages, then three per rail on one or two rails
        {"QEH", "25", 1, {"0.0", "0.0", "0.0"}, {"81.6", "268.8", "48"}, {81.6, 268.8, 48.0f}},
        {"QEH", "25", 2, {"0.0", "0.0", "0.0"}, {"175.2", "362.4", "48"}, {175.2, 362.4, 48.0f}},
        {"QEH", "25", 6, {"0.0", "0.0", "0.0"}, {"175.2", "362.4", "48"}, {175.2, 362.4, 48.0f}},
        // at the minimum stays as typed, below it is raised
        {"QEH", "25", 1, {"81.6", "268.8", "48"}, {"81.6", "268.8", "48"}, {81.6, 268.8, 48.0f}},
        {"QEH", "25", 1, {"81.5", "0", "47.9"}, {"81.6", "268.8", "48"}, {81.6, 268.8, 48.0f}},
        {"QEH", "25", 1, {"81.60", "268.80", "48.0"}, {"81.60", "268.80", "48.0"}, {81.6, 268.8, 48.0f}},
        // L1' follows a larger L1
        {"QEH", "25", 3, {"300", "400", "60"}, {"300", "487.2", "60"}, {81.6, 487.2, 48.0f}},
        // the bracketed offsets: the first raises, the second is the check
        {"WUY", "30", 1, {"0.0", "0.0", "0.0"}, {"112.1", "378.3", "60"}, {112.1, 360.3, 60.0f}},
        {"QEY", "30", 1, {"0.0", "0.0", "0.0"}, {"112.1", "378.3", "60"}, {112.1, 360.3, 60.0f}},
        {"QEY", "45", 7, {"0.0", "0.0", "0.0"}, {"153.9", "485.7", "86"}, {153.9, 483.7, 86.0f}},
        {"WUY", "45", 6, {"0.0", "0.0", "0.0"}, {"319.8", "651.6", "86"}, {319.8, 649.6, 86.0f}},
        // WUN
        {"WUN", "45L", 0, {"0.0", "0.0", "0.0"}, {"174.5", "547.5", "86"}, {174.5, 547.5, 86.0f}},
        {"WUN", "45L", 2, {"0.0", "0.0", "0.0"}, {"361", "734", "86"}, {361.0, 734.0, 86.0f}},
        {"WUN", "15L", 6, {"0.0", "0.0", "0.0"}, {"170.8", "353.6", "34"}, {170.8, 353.6, 34.0f}},
        {"WUN", "15L", 0, {"0.0", "0.0", "0.0"}, {"79.4", "262.2", "34"}, {79.4, 262.2, 34.0f}},
        // QEJ thin sizes
        {"QEJ", "15T", 3, {"0.0", "0.0", "0.0"}, {"40", "131", "34"}, {40.0, 131.0, 34.0f}},
        {"QEJ", "25T", 5, {"", "abc", "-5"}, {"60.2", "204.6", "48"}, {60.2, 204.6, 48.0f}},
        // a smaller size later leaves larger spans and lowers the minimums
        {"QEH", "15", 7, {"137.7", "440.1", "86"}, {"137.7", "440.1", "86"}, {56.3, 264.3, 34.0f}},
        // the sum written is 242.7 and is also the threshold: no rewrite
        {"QEH", "20", 3, {"72.9", "242.7", "44"}, {"72.9", "242.7", "44"}, {72.9, 242.7, 44.0f}},
        {"QEH", "20", 3, {"0.0", "0.0", "0.0"}, {"72.9", "242.7", "44"}, {72.9, 242.7, 44.0f}},
        // leading-number reading of what was typed
        {"QEH", "25", 1, {"90.1.5", "0.", "."}, {"90.1.5", "277.3", "48"}, {81.6, 277.3, 48.0f}},
    };
    for (const RaisingCase& c : cases) {
        SCOPED_TRACE(std::string(c.series) + c.size + " combination " + std::to_string(c.combination) + " from " +
                     c.before.l1 + "/" + c.before.l1b + "/" + c.before.l2);
        const SpanRaising r = RaiseSpans(c.series, c.size, c.combination, c.before);
        ASSERT_TRUE(r.found);
        EXPECT_EQ(r.texts.l1, c.after.l1);
        EXPECT_EQ(r.texts.l1b, c.after.l1b);
        EXPECT_EQ(r.texts.l2, c.after.l2);
        EXPECT_EQ(r.l1Raised, c.after.l1 != c.before.l1);
        EXPECT_EQ(r.l1bRaised, c.after.l1b != c.before.l1b);
        EXPECT_EQ(r.l2Raised, c.after.l2 != c.before.l2);
        // The thresholds are the values of the texts they are shown as.
        EXPECT_EQ(r.minimums.l1, c.minimums.l1);
        EXPECT_EQ(r.minimums.l1b, c.minimums.l1b);
        EXPECT_EQ(r.minimums.l2, c.minimums.l2);
    }
}

TEST(SpanRaising, UnknownSizeChangesNothing) {
    const SpanRaising r = RaiseSpans("QEH", "15T", 1, {"1", "2", "3"});
    EXPECT_FALSE(r.found || r.l1Raised || r.l1bRaised || r.l2Raised);
    EXPECT_EQ(std::tie(r.texts.l1, r.texts.l1b, r.texts.l2), std::tuple("1", "2", "3"));
}

// Whatever the raising writes must pass the check it is then subject to, and
// a second activation must find nothing left to raise; otherwise leaving a
// raised field would show a message and rewrite the same text forever.
TEST(SpanRaising, EveryRaisedTextPassesItsOwnCheckAndStays) {
    const SpanFieldTexts starts[] = {
        {"0.0", "0.0", "0.0"}, {"", "", ""},           {"0.1", "0", "0"},        {"72.9", "242.7", "44"},
        {"123.456", "1", "1"}, {"99999.99", "5", "5"}, {"333.3", "333.3", "33"}, {"0.7", "0.2", "0.3"},
    };
    int checked = 0;
    for (const SpanMinimumRow& row : SpanMinimumRows()) {
        for (int combination = 0; combination < 8; ++combination) {
            for (const SpanFieldTexts& start : starts) {
                const SpanRaising r = RaiseSpans(row.series, row.size, combination, start);
                SCOPED_TRACE(std::string(row.series) + std::string(row.size) + " combination " +
                             std::to_string(combination) + " from L1 " + start.l1);
                EXPECT_TRUE(CheckOperationField(3, r.texts.l1, r.minimums).accepted) << r.texts.l1;
                EXPECT_TRUE(CheckOperationField(4, r.texts.l1b, r.minimums).accepted) << r.texts.l1b;
                EXPECT_TRUE(CheckOperationField(5, r.texts.l2, r.minimums).accepted) << r.texts.l2;
                // The replacement a rejected L1' gets is accepted too.
                const OperationVerdict low = CheckOperationField(4, "0", r.minimums);
                ASSERT_FALSE(low.accepted);
                EXPECT_TRUE(CheckOperationField(4, low.replacement, r.minimums).accepted) << low.replacement;
                // The text written reads back as the value it shows.
                EXPECT_EQ(NumberText(LeadingNumber(r.texts.l1b)), r.texts.l1b);

                const SpanRaising again = RaiseSpans(row.series, row.size, combination, r.texts);
                EXPECT_FALSE(again.l1Raised || again.l1bRaised || again.l2Raised);
                EXPECT_EQ(again.minimums.l1b, r.minimums.l1b);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 59 * 8 * 8);
}

}  // namespace
