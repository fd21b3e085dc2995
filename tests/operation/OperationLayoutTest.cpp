#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "operation/OperationLayout.h"

namespace {

TEST(OperationLayout, SpanFieldsFollowTheCombination) {
    struct Row {
        int combination;
        bool spanFrame, l1bRow, railSpanFrame;
    };
    const Row rows[] = {
        {0, false, false, false}, {1, true, false, false}, {2, true, false, false}, {3, true, true, false},
        {4, false, false, true},  {5, true, false, true},  {6, true, false, true},  {7, true, true, true},
    };
    for (int installation = 0; installation < 5; ++installation) {
        for (const Row& r : rows) {
            SCOPED_TRACE(std::to_string(installation) + "/" + std::to_string(r.combination));
            const OperationLayout l = OperationLayoutFor(installation, r.combination);
            EXPECT_EQ(l.spanFrame, r.spanFrame);
            EXPECT_EQ(l.l1bRow, r.l1bRow);
            EXPECT_EQ(l.railSpanFrame, r.railSpanFrame);
            EXPECT_EQ(l.diagram, 3 + 8 * installation + r.combination);
        }
    }
}

TEST(OperationLayout, InstallationSetsCaptionAndInclination) {
    const std::tuple<int, const char*, bool> rows[] = {
        {0, "Y0 =", false}, {1, "X0 =", false}, {2, "Y0 =", false}, {3, "Y0 =", true}, {4, "Y0 =", true},
    };
    for (const auto& [installation, caption, inclined] : rows) {
        const OperationLayout l = OperationLayoutFor(installation, 0);
        ASSERT_TRUE(l.thrustCaption.has_value());
        EXPECT_EQ(*l.thrustCaption, caption);
        EXPECT_EQ(l.inclinationFrame, inclined);
    }
    EXPECT_EQ(OperationLayoutFor(0, 0).diagram, 3);
    EXPECT_EQ(OperationLayoutFor(0, 7).diagram, 10);
    EXPECT_EQ(OperationLayoutFor(4, 7).diagram, 42);
}

TEST(OperationLayout, IndicesOutOfRangeShowWhatTheResetLeft) {
    for (const auto& [installation, combination] : {std::pair{5, 0}, std::pair{-1, 3}, std::pair{100, 100}}) {
        const OperationLayout l = OperationLayoutFor(installation, combination);
        EXPECT_FALSE(l.thrustCaption.has_value());
        EXPECT_FALSE(l.inclinationFrame);
        EXPECT_TRUE(l.spanFrame && l.l1bRow && l.railSpanFrame);
        EXPECT_EQ(l.diagram, 0);
    }
    for (const auto& [installation, combination] : {std::pair{3, 8}, std::pair{1, -1}}) {
        const OperationLayout l = OperationLayoutFor(installation, combination);
        ASSERT_TRUE(l.thrustCaption.has_value());
        EXPECT_EQ(l.inclinationFrame, installation == 3);
        EXPECT_TRUE(l.spanFrame && l.l1bRow && l.railSpanFrame);
        EXPECT_EQ(l.diagram, 0);
    }
}

TEST(DiagramCase, CarriagesAreNamedAlongTheTravel) {
    const std::pair<int, std::vector<std::string>> rows[] = {
        {0, {"NO.1"}},
        {1, {"NO.1", "NO.2"}},
        {3, {"NO.1", "NO.2", "NO.3", "NO.4"}},
        {4, {"NO.1,2"}},
        {5, {"NO.1,4", "NO.2,3"}},
        {6, {"NO.1,6", "NO.2,5", "NO.3,4"}},
        {7, {"NO.1,8", "NO.2,7", "NO.3,6", "NO.4,5"}},
    };
    for (const auto& [combination, labels] : rows) {
        const DiagramCase c = DiagramCaseFor(0, combination);
        EXPECT_EQ(c.carriageLabels, labels) << combination;
        EXPECT_EQ(c.rails, combination >= 4 ? 2 : 1);
        EXPECT_EQ(c.perRail, static_cast<int>(labels.size()));
    }
}

TEST(DiagramCase, ViewsMatchTheInstallation) {
    using enum DiagramView;
    struct Row {
        DiagramView viewA, other;
        char viewAAxis, otherAxis;
        double otherAngle;
        bool inclined;
    };
    const Row rows[] = {
        {CrossSection, AlongTravel, 'Y', 'X', 0.0, false},                 // horizontal
        {CrossSection, AlongTravel, 'X', 'Y', 90.0, false},                // vertical: travel upright
        {AlongTravel, CrossSection, 'X', 'Y', 90.0, false},                // wall: Y upright
        {CrossSection, AlongTravel, 'Y', 'X', kDiagramInclination, true},  // tilted along the travel
        {AlongTravel, CrossSection, 'X', 'Y', kDiagramInclination, true},  // tilted across it
    };
    for (int installation = 0; installation < 5; ++installation) {
        const Row& r = rows[installation];
        const DiagramCase c = DiagramCaseFor(installation, 5);
        EXPECT_EQ(c.viewA.view, r.viewA) << installation;
        EXPECT_EQ(c.other.view, r.other) << installation;
        EXPECT_EQ(c.viewA.axis, r.viewAAxis) << installation;
        EXPECT_EQ(c.other.axis, r.otherAxis) << installation;
        EXPECT_EQ(c.viewA.axisAngle, 0.0) << installation;
        EXPECT_EQ(c.other.axisAngle, r.otherAngle) << installation;
        EXPECT_EQ(c.other.showsInclination, r.inclined) << installation;
        EXPECT_FALSE(c.viewA.showsInclination);
    }
}

}  // namespace
