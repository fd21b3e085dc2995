#include "operation/OperationLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// On two rails carriage k faces carriage N + 1 - k, and the diagram names each facing pair once.
TEST(DiagramCase, CarriageLabelsNameTheFacingPairs) {
    using Labels = std::vector<std::string>;
    const Labels twoRails[] = {
        {"NO.1,2"}, {"NO.1,4", "NO.2,3"}, {"NO.1,6", "NO.2,5", "NO.3,4"}, {"NO.1,8", "NO.2,7", "NO.3,6", "NO.4,5"}};
    for (int installation = 0; installation < 5; ++installation) {
        for (int perRail = 1; perRail <= 4; ++perRail)
            EXPECT_EQ(DiagramCaseFor(installation, 3 + perRail).carriageLabels, twoRails[perRail - 1]) << installation;
        EXPECT_EQ(DiagramCaseFor(installation, 2).carriageLabels, (Labels{"NO.1", "NO.2", "NO.3"}));
    }
}

}  // namespace
