#include <gtest/gtest.h>

#include <string>

#include "selection/SelectionLists.h"

namespace {

using SelectionLists::PreloadCase;

TEST(SelectionLists, PreloadListDependsOnSizeFirstThenSeries) {
    struct Case {
        const char* size;
        const char* series;
        PreloadCase expected;
    };
    const Case cases[] = {
        {"15", "QEH", PreloadCase::SmallSize}, {"15T", "QEJ", PreloadCase::SmallSize},
        {"15", "QEJ", PreloadCase::SmallSize}, {"15L", "WUN", PreloadCase::Ball},
        {"25", "QEH", PreloadCase::Ball},      {"65L", "QEH", PreloadCase::Ball},
        {"25", "WUY", PreloadCase::Roller},    {"65L", "QEY", PreloadCase::Roller},
        {"15", "???", PreloadCase::SmallSize}, {"25", "???", PreloadCase::None},
        {"", "", PreloadCase::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.size) + " " + c.series);
        EXPECT_EQ(SelectionLists::preloadCase(c.size, c.series), c.expected);
    }
    EXPECT_TRUE(SelectionLists::preloadItems(PreloadCase::None).empty());
}

// Re-selection goes by the stored position, not by the grade.
TEST(SelectionLists, PreloadReselectionGoesByPosition) {
    struct Case {
        PreloadCase list;
        int stored;
        const char* expected;  // null = nothing selected
    };
    const Case cases[] = {
        {PreloadCase::SmallSize, 0, "Light preload ( FC )"},
        {PreloadCase::SmallSize, 1, "Medium preload ( F0 )"},
        {PreloadCase::SmallSize, 2, "Light preload ( FC )"},
        {PreloadCase::Ball, 0, "Light preload ( FC )"},
        {PreloadCase::Ball, 1, "Medium preload ( F0 )"},
        {PreloadCase::Ball, 2, "Heavy preload ( F1 )"},
        {PreloadCase::Roller, 0, "Medium preload ( F0 )"},
        {PreloadCase::Roller, 1, "Heavy preload ( F1 )"},
        {PreloadCase::Roller, 2, "Ultra Heavy preload ( F2 )"},
        {PreloadCase::Ball, 3, nullptr},
        {PreloadCase::Roller, -1, nullptr},
        {PreloadCase::SmallSize, 3, nullptr},
        {PreloadCase::None, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.list) << "/" << c.stored);
        const int position = SelectionLists::preloadReselection(c.list, c.stored);
        const auto items = SelectionLists::preloadItems(c.list);
        if (c.expected == nullptr) {
            EXPECT_EQ(position, -1);
        } else {
            ASSERT_GE(position, 0);
            ASSERT_LT(position, static_cast<int>(items.size()));
            EXPECT_EQ(items[static_cast<std::size_t>(position)], c.expected);
        }
    }
}

TEST(SelectionLists, DescriptionsAndSizesOfUnknownSeries) {
    const std::pair<const char*, const char*> cases[] = {
        {"QEH", "Full Ball Type, Heavy Load Type"},   {"QEJ", "Full Ball Type, Compact Type"},
        {"WUN", "Ball Chain Type, Heavy Load Type"},  {"WUY", "Roller Chain Type, Heavy Load Type"},
        {"QEY", "Full Roller Type, Heavy Load Type"}, {"", "Full Roller Type, Heavy Load Type"},
    };
    for (const auto& [code, description] : cases) EXPECT_EQ(SelectionLists::seriesDescription(code), description);
    EXPECT_TRUE(SelectionLists::sizes("").empty());
    EXPECT_TRUE(SelectionLists::sizes("qeh").empty());
}

// The positions are the indices the dispatch reads: rails and carriages per
// rail must follow from the combination position.
TEST(SelectionLists, CombinationPositionsGiveRailsAndCarriages) {
    const auto items = SelectionLists::combinations();
    ASSERT_EQ(items.size(), 8u);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item(items[i]);
        SCOPED_TRACE(item);
        const int rails = i < 4 ? 1 : 2;
        const int carriages = static_cast<int>(i % 4) + 1;
        EXPECT_EQ(item.rfind(std::to_string(rails) + (rails == 1 ? " rail," : " rails,"), 0), 0u);
        EXPECT_NE(item.find("includes " + std::to_string(carriages) + (carriages == 1 ? " carriage" : " carriages")),
                  std::string::npos);
        EXPECT_EQ(item.find(", "), std::string::npos);
    }
    const auto installations = SelectionLists::installations();
    ASSERT_EQ(installations.size(), 5u);
    EXPECT_EQ(installations[0], "Horizontal application");
    EXPECT_EQ(installations[3], "Longitudinally tilted application");
    EXPECT_EQ(installations[4], "Laterally tilted application");
}

}  // namespace
