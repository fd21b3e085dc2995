#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

struct CalculationState;

// One guideway size of a series with its load and moment ratings.
struct RatingRow {
    std::string_view size;  // as offered in the size list, e.g. "25L"
    double C;               // basic dynamic load rating, kN
    double C0;              // basic static load rating, kN
    double MP0;             // static permissible pitching moment, kN·m; the yawing moment is the same
    double MR0;             // static permissible rolling moment, kN·m
};

struct GuidewaySeries {
    std::string_view code;         // "QEH", ...
    std::string_view description;  // shown beside the lists
    bool roller;                   // roller series take the roller preload grades
    std::span<const RatingRow> rows;
};

namespace RatingCatalogue {

// The five series in the order of the series list; a series' rows are in the
// order of its size list, so list positions find the ratings.
std::span<const GuidewaySeries> series();

// The series with that code, or null.
const GuidewaySeries* findSeries(std::string_view code);

// The row at the given positions of the series and size lists, or null when
// either position is outside the catalogue (-1 stands for "nothing selected").
const RatingRow* find(int seriesPosition, int sizePosition);

// Factor of the preload grade at a position of the preload list, or nothing
// for an unknown series or a position outside 0 to 2.
std::optional<double> preloadFactor(int seriesPosition, int preloadPosition);

// Preload force in N from the factor and C in kN, held in 32 bits.
float preloadForce(double factor, double dynamicLoadRating);

}  // namespace RatingCatalogue

// The five picks of the selection page as they stand when "Next" is pressed:
// positions in their lists (-1 when nothing is selected) and the shown texts.
struct SelectionPicks {
    int series = -1;
    int size = -1;
    int installation = -1;
    int combination = -1;
    int preload = -1;
    std::string seriesText;
    std::string sizeText;
    std::string installationText;
    std::string combinationText;
    std::string preloadText;
};

// "Next" of the selection page: the ratings of the chosen guideway, its
// preload force, then the selection itself. Ratings and preload force keep
// their previous values when the positions find no row or no grade; the
// selection is stored always.
void storeSelection(const SelectionPicks& picks, CalculationState& s);
