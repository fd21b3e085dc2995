#include "selection/RatingCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "app/CalculationState.h"
#include "selection/SelectionLists.h"

namespace {

// Grade as written at the end of a preload item, e.g. "F0" of "Medium preload ( F0 )".
std::string gradeOf(std::string_view item) {
    const auto open = item.find("( ");
    const auto close = item.find(" )");
    return std::string(item.substr(open + 2, close - open - 2));
}

double factorOfGrade(const std::string& grade) {
    if (grade == "FC") return 0.02;
    if (grade == "F0") return 0.05;
    if (grade == "F1") return 0.08;
    if (grade == "F2") return 0.13;
    ADD_FAILURE() << "unknown grade " << grade;
    return 0.0;
}

SelectionPicks picksFor(int series, int size, int preload) {
    return SelectionPicks{series, size, 1, 6, preload, "S", "Z", "I", "K", "P"};
}

TEST(RatingCatalogue, SeriesHaveTheSizeListsOfThePage) {
    const std::pair<const char*, std::size_t> expected[] = {
        {"QEH", 15}, {"QEJ", 10}, {"WUN", 12}, {"WUY", 11}, {"QEY", 11}};
    const auto all = RatingCatalogue::series();
    ASSERT_EQ(all.size(), std::size(expected));
    for (std::size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(all[i].code, expected[i].first);
        EXPECT_EQ(all[i].rows.size(), expected[i].second);
        EXPECT_EQ(all[i].roller, i >= 3);
        std::set<std::string_view> distinct;
        for (const RatingRow& row : all[i].rows) distinct.insert(row.size);
        EXPECT_EQ(distinct.size(), all[i].rows.size()) << "a size is listed twice";
        EXPECT_EQ(distinct.count("25"), 1u) << "a series pick always lands on 25";
        EXPECT_EQ(distinct.count("65"), i == 0 ? 1u : 0u);
    }
}

TEST(RatingCatalogue, EveryRowIsPlausibleAndStoresBothMomentsAlike) {
    const auto all = RatingCatalogue::series();
    for (int s = 0; s < static_cast<int>(all.size()); ++s) {
        const auto& rows = all[static_cast<std::size_t>(s)].rows;
        for (int z = 0; z < static_cast<int>(rows.size()); ++z) {
            const RatingRow& row = rows[static_cast<std::size_t>(z)];
            SCOPED_TRACE(std::string(all[static_cast<std::size_t>(s)].code) + " " + std::string(row.size));
            EXPECT_GT(row.C, 0.0);
            EXPECT_GT(row.C0, row.C) << "static rating above dynamic in every row";
            EXPECT_GT(row.MP0, 0.0);
            EXPECT_GT(row.MR0, 0.0);
            EXPECT_EQ(RatingCatalogue::find(s, z), &row);

            CalculationState st;
            storeSelection(picksFor(s, z, 0), st);
            EXPECT_EQ(st.DynamicLoadRating, row.C);
            EXPECT_EQ(st.StaticLoadRating, row.C0);
            EXPECT_EQ(st.PitchingMomentRating, row.MP0);
            EXPECT_EQ(st.YawingMomentRating, st.PitchingMomentRating);
            EXPECT_EQ(st.RollingMomentRating, static_cast<float>(row.MR0));
        }
    }
}

// C has one decimal and the factors two, so every preload force the page can
// ask for is a whole number of newtons: C in tenths times the factor in
// hundredths. Each offered item's grade must also carry its own factor.
TEST(RatingCatalogue, EveryOfferedPreloadGivesWholeNewtons) {
    const auto all = RatingCatalogue::series();
    int checked = 0;
    for (int s = 0; s < static_cast<int>(all.size()); ++s) {
        const GuidewaySeries& entry = all[static_cast<std::size_t>(s)];
        for (int z = 0; z < static_cast<int>(entry.rows.size()); ++z) {
            const RatingRow& row = entry.rows[static_cast<std::size_t>(z)];
            const auto items = SelectionLists::preloadItems(SelectionLists::preloadCase(row.size, entry.code));
            ASSERT_FALSE(items.empty());
            for (int p = 0; p < static_cast<int>(items.size()); ++p) {
                SCOPED_TRACE(std::string(entry.code) + " " + std::string(row.size) + " " +
                             std::string(items[static_cast<std::size_t>(p)]));
                const auto factor = RatingCatalogue::preloadFactor(s, p);
                ASSERT_TRUE(factor.has_value());
                EXPECT_EQ(*factor, factorOfGrade(gradeOf(items[static_cast<std::size_t>(p)])));

                CalculationState st;
                storeSelection(picksFor(s, z, p), st);
                const long tenths = std::lround(row.C * 10);
                const long hundredths = std::lround(*factor * 100);
                EXPECT_EQ(st.PreloadForce, static_cast<float>(tenths * hundredths));
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 3 * 59 - 4);  // QEH 15, QEJ 15T and 15, WUN 15 offer two grades
}

TEST(RatingCatalogue, StoresRatingsPreloadForceAndSelection) {
    struct Case {
        int series, size, preload;
        double C, C0, MP0;
        double MR0Held;  // the 32-bit value read back
        float force;
    };
    const Case cases[] = {
        {0, 3, 0, 28.1, 42.4, 0.39, 0.47999998927116394, 562.0f},             // QEH 25 FC
        {0, 0, 1, 11.8, 18.9, 0.12, 0.14000000059604645, 590.0f},             // QEH 15 F0: not 590.0000000000001
        {0, 0, 0, 11.8, 18.9, 0.12, 0.14000000059604645, 236.0f},             // QEH 15 FC
        {1, 0, 1, 6.7, 9.6, 0.04, static_cast<float>(0.07), 335.0f},          // QEJ 15T F0
        {2, 11, 2, 90.0, 143.6, 2.88, static_cast<float>(3.27), 7200.0f},     // WUN 45L F1
        {3, 0, 0, 27.4, 57.4, 0.63, static_cast<float>(0.66), 1370.0f},       // WUY 25 F0
        {4, 10, 2, 277.0, 624.0, 22.5, static_cast<float>(20.02), 36010.0f},  // QEY 65L F2
        {0, 14, 2, 253.5, 375.9, 11.84, 11.84000015258789, 20280.0f},         // QEH 65L F1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.series << "/" << c.size << "/" << c.preload);
        CalculationState st;
        storeSelection(picksFor(c.series, c.size, c.preload), st);
        EXPECT_EQ(st.DynamicLoadRating, c.C);
        EXPECT_EQ(st.StaticLoadRating, c.C0);
        EXPECT_EQ(st.PitchingMomentRating, c.MP0);
        EXPECT_EQ(st.YawingMomentRating, c.MP0);
        EXPECT_EQ(static_cast<double>(st.RollingMomentRating), c.MR0Held);
        EXPECT_EQ(st.PreloadForce, c.force);
        EXPECT_EQ(st.SizeCode, "Z");
        EXPECT_EQ(st.CombinationIndex, 6);
    }
    // The 64-bit product is not whole; only the 32-bit store makes it so.
    EXPECT_NE((0.05 * 11.8) * 1000.0, 590.0);
}

TEST(RatingCatalogue, PositionsOutsideTheCatalogueKeepThePreviousRatings) {
    struct Case {
        int series, size, preload;
        bool ratings;  // a row is found
        bool force;    // and a grade
    };
    const Case cases[] = {
        {-1, 3, 0, false, false}, {5, 0, 0, false, false},  {0, -1, 0, false, false}, {0, 15, 0, false, false},
        {1, 10, 0, false, false}, {3, 11, 1, false, false}, {4, 11, 1, false, false}, {0, 3, -1, true, false},
        {3, 0, 3, true, false},   {2, 11, 2, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.series << "/" << c.size << "/" << c.preload);
        CalculationState st;
        st.DynamicLoadRating = 1.5;
        st.StaticLoadRating = 2.5;
        st.PitchingMomentRating = 3.5;
        st.YawingMomentRating = 4.5;
        st.RollingMomentRating = 5.5f;
        st.PreloadForce = 6.5f;
        storeSelection(picksFor(c.series, c.size, c.preload), st);
        EXPECT_EQ(st.DynamicLoadRating != 1.5, c.ratings);
        EXPECT_EQ(st.StaticLoadRating != 2.5, c.ratings);
        EXPECT_EQ(st.PitchingMomentRating != 3.5, c.ratings);
        EXPECT_EQ(st.YawingMomentRating != 4.5, c.ratings);
        EXPECT_EQ(st.RollingMomentRating != 5.5f, c.ratings);
        EXPECT_EQ(st.PreloadForce != 6.5f, c.force);
        // The selection is stored all the same.
        EXPECT_EQ(st.SeriesCode, "S");
        EXPECT_EQ(st.PreloadText, "P");
        EXPECT_EQ(st.PreloadIndex, c.preload);
    }
}

}  // namespace
