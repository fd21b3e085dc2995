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

}  // namespace
