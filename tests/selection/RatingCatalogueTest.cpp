#include "selection/RatingCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "app/CalculationState.h"
#include "selection/SelectionLists.h"

namespace {

SelectionPicks picks(int s, int z, int p) { return {s, z, 1, 6, p, "S", "Z", "I", "K", "P"}; }

// Every row stored with every grade its list offers: the ratings as listed,
// MY0 = MP0, and whole newtons (C in tenths times the factor in hundredths),
// the factor being the one the item's grade names.
TEST(RatingCatalogue, EveryRowWithEveryOfferedGrade) {
    const std::map<std::string, double> factorOf{{"FC", 0.02}, {"F0", 0.05}, {"F1", 0.08}, {"F2", 0.13}};
    const std::size_t sizes[] = {15, 10, 12, 11, 11};
    const auto all = RatingCatalogue::series();
    ASSERT_EQ(all.size(), std::size(sizes));
    int checked = 0;
    for (int s = 0; s < 5; ++s) {
        const GuidewaySeries& entry = all[static_cast<std::size_t>(s)];
        ASSERT_EQ(entry.rows.size(), sizes[s]);
        for (int z = 0; z < static_cast<int>(entry.rows.size()); ++z) {
            const RatingRow& row = entry.rows[static_cast<std::size_t>(z)];
            SCOPED_TRACE(std::string(entry.code) + " " + std::string(row.size));
            EXPECT_TRUE(row.C > 0 && row.C0 > row.C && row.MP0 > 0 && row.MR0 > 0);
            const auto items = SelectionLists::preloadItems(SelectionLists::preloadCase(row.size, entry.code));
            ASSERT_FALSE(items.empty());
            for (int p = 0; p < static_cast<int>(items.size()); ++p) {
                const std::string_view item = items[static_cast<std::size_t>(p)];
                const auto factor = RatingCatalogue::preloadFactor(s, p);
                ASSERT_TRUE(factor.has_value());
                EXPECT_EQ(*factor, factorOf.at(std::string(item.substr(item.find("( ") + 2, 2)))) << item;
                CalculationState st;
                storeSelection(picks(s, z, p), st);
                EXPECT_EQ(std::tuple(st.DynamicLoadRating, st.StaticLoadRating, st.PitchingMomentRating),
                          std::tuple(row.C, row.C0, row.MP0));
                EXPECT_EQ(st.YawingMomentRating, row.MP0);
                EXPECT_EQ(st.PreloadForce, static_cast<float>(std::lround(row.C * 10) * std::lround(*factor * 100)));
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 3 * 59 - 4);  // QEH 15, QEJ 15T and 15, WUN 15 offer two grades
    CalculationState st;             // QEH 15 F0: 590.0000000000001 N in 64 bits, whole once held in 32
    storeSelection(picks(0, 0, 1), st);
    EXPECT_EQ(st.PreloadForce, 590.0f);
    EXPECT_NE((0.05 * 11.8) * 1000.0, 590.0);
    EXPECT_EQ(static_cast<double>(st.RollingMomentRating), 0.14000000059604645);
}

TEST(RatingCatalogue, PositionsOutsideTheCatalogueKeepThePreviousRatings) {
    // Series, size and preload positions; whether a row is found, and a grade.
    const std::tuple<int, int, int, bool, bool> cases[] = {{-1, 3, 0, false, false}, {5, 0, 0, false, false},
                                                           {1, 10, 0, false, false}, {0, 3, -1, true, false},
                                                           {3, 0, 3, true, false},   {2, 11, 2, true, true}};
    for (const auto& [series, size, preload, ratings, force] : cases) {
        SCOPED_TRACE(testing::Message() << series << "/" << size << "/" << preload);
        CalculationState st;
        st.DynamicLoadRating = st.StaticLoadRating = st.PitchingMomentRating = st.YawingMomentRating = 1.5;
        st.RollingMomentRating = st.PreloadForce = 1.5f;
        storeSelection(picks(series, size, preload), st);
        for (double held : {st.DynamicLoadRating, st.StaticLoadRating, st.PitchingMomentRating, st.YawingMomentRating,
                            static_cast<double>(st.RollingMomentRating)})
            EXPECT_EQ(held != 1.5, ratings);
        EXPECT_EQ(st.PreloadForce != 1.5f, force);
        EXPECT_EQ(st.SeriesCode, "S");  // the selection is stored all the same
        EXPECT_EQ(st.PreloadIndex, preload);
    }
}

}  // namespace
