#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "operation/OperationLayout.h"

namespace {

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

}  // namespace
