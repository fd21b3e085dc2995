#include "selection/RatingCatalogue.h"

#include <array>

#include "app/CalculationState.h"
#include "forms/NumberText.h"

namespace {

// Size, C (kN), C0 (kN), MP0 = MY0 (kN·m), MR0 (kN·m).
constexpr std::array<RatingRow, 15> kQEH{{
    {"15", 11.8, 18.9, 0.12, 0.14},
    {"20", 19.2, 29.5, 0.23, 0.23},
    {"20L", 23.3, 39.3, 0.39, 0.38},
    {"25", 28.1, 42.4, 0.39, 0.48},
    {"25L", 34.4, 56.6, 0.67, 0.63},
    {"30", 39.2, 57.8, 0.62, 0.79},
    {"30L", 47.9, 77.0, 1.07, 1.05},
    {"35", 52.0, 75.5, 0.93, 1.25},
    {"35L", 63.6, 100.6, 1.6, 1.67},
    {"45", 83.8, 117.9, 1.81, 2.57},
    {"45L", 102.4, 157.3, 3.13, 3.43},
    {"55", 123.6, 169.8, 3.13, 4.5},
    {"55L", 151.1, 226.4, 5.4, 6.0},
    {"65", 198.8, 265.3, 6.11, 8.36},
    {"65L", 253.5, 375.9, 11.84, 11.84},
}};

constexpr std::array<RatingRow, 10> kQEJ{{
    {"15T", 6.7, 9.6, 0.04, 0.07},
    {"15", 10.0, 16.9, 0.1, 0.13},
    {"20T", 9.7, 14.2, 0.07, 0.14},
    {"20", 13.9, 23.6, 0.18, 0.24},
    {"25T", 15.6, 22.1, 0.13, 0.26},
    {"25", 22.3, 36.9, 0.35, 0.43},
    {"30T", 23.1, 31.8, 0.23, 0.45},
    {"30", 32.9, 53.1, 0.6, 0.74},
    {"35", 52.0, 75.5, 0.93, 1.28},
    {"35L", 63.6, 100.6, 1.6, 1.71},
}};

constexpr std::array<RatingRow, 12> kWUN{{
    {"15", 12.5, 20.5, 0.14, 0.16},
    {"15L", 15.4, 27.5, 0.25, 0.21},
    {"20", 20.4, 32.1, 0.27, 0.33},
    {"20L", 25.3, 43.6, 0.49, 0.44},
    {"25", 28.3, 44.3, 0.45, 0.52},
    {"25L", 33.0, 56.1, 0.71, 0.66},
    {"30", 39.4, 59.5, 0.68, 0.83},
    {"30L", 47.0, 76.5, 1.11, 1.07},
    {"35", 54.7, 81.0, 1.07, 1.41},
    {"35L", 67.6, 109.9, 1.92, 1.91},
    {"45", 72.7, 105.8, 1.61, 2.41},
    {"45L", 90.0, 143.6, 2.88, 3.27},
}};

constexpr std::array<RatingRow, 11> kWUY{{
    {"25", 27.4, 57.4, 0.63, 0.66},
    {"25L", 33.1, 73.3, 1.01, 0.84},
    {"30", 39.5, 82.7, 1.01, 1.15},
    {"30L", 49.4, 110.3, 1.78, 1.53},
    {"35", 55.6, 117.0, 1.63, 1.98},
    {"35L", 69.6, 156.0, 2.86, 2.63},
    {"45", 89.3, 184.1, 3.27, 4.18},
    {"45L", 110.6, 242.2, 5.58, 5.5},
    {"55", 127.8, 256.5, 5.51, 6.96},
    {"55L", 163.2, 351.0, 10.16, 9.52},
    {"65L", 263.5, 583.7, 21.43, 18.73},
}};

constexpr std::array<RatingRow, 11> kQEY{{
    {"25", 29.6, 63.8, 0.65, 0.73},
    {"25L", 36.3, 82.9, 1.08, 0.95},
    {"30", 42.8, 91.9, 1.09, 1.27},
    {"30L", 54.0, 124.0, 1.96, 1.75},
    {"35", 57.9, 123.5, 1.59, 2.09},
    {"35L", 73.9, 169.0, 2.94, 2.85},
    {"45", 92.8, 193.8, 3.28, 4.4},
    {"45L", 117.2, 261.6, 5.9, 5.94},
    {"55", 132.8, 270.0, 5.49, 7.33},
    {"55L", 172.5, 378.0, 10.6, 10.28},
    {"65L", 277.0, 624.0, 22.5, 20.02},
}};

constexpr std::array<GuidewaySeries, 5> kSeries{{
    {"QEH", "Full Ball Type, Heavy Load Type", false, kQEH},
    {"QEJ", "Full Ball Type, Compact Type", false, kQEJ},
    {"WUN", "Ball Chain Type, Heavy Load Type", false, kWUN},
    {"WUY", "Roller Chain Type, Heavy Load Type", true, kWUY},
    {"QEY", "Full Roller Type, Heavy Load Type", true, kQEY},
}};

// By position in the preload list: ball lists start at FC, roller lists at F0.
constexpr std::array<double, 3> kBallFactors{0.02, 0.05, 0.08};    // FC, F0, F1
constexpr std::array<double, 3> kRollerFactors{0.05, 0.08, 0.13};  // F0, F1, F2

const GuidewaySeries* seriesAt(int position) {
    if (position < 0 || position >= static_cast<int>(kSeries.size())) return nullptr;
    return &kSeries[static_cast<std::size_t>(position)];
}

}  // namespace

namespace RatingCatalogue {

std::span<const GuidewaySeries> series() { return kSeries; }

const GuidewaySeries* findSeries(std::string_view code) {
    for (const GuidewaySeries& entry : kSeries)
        if (entry.code == code) return &entry;
    return nullptr;
}

const RatingRow* find(int seriesPosition, int sizePosition) {
    const GuidewaySeries* entry = seriesAt(seriesPosition);
    if (entry == nullptr || sizePosition < 0 || sizePosition >= static_cast<int>(entry->rows.size())) return nullptr;
    return &entry->rows[static_cast<std::size_t>(sizePosition)];
}

std::optional<double> preloadFactor(int seriesPosition, int preloadPosition) {
    const GuidewaySeries* entry = seriesAt(seriesPosition);
    if (entry == nullptr || preloadPosition < 0 || preloadPosition > 2) return std::nullopt;
    const auto& factors = entry->roller ? kRollerFactors : kBallFactors;
    return factors[static_cast<std::size_t>(preloadPosition)];
}

float preloadForce(double factor, double dynamicLoadRating) {
    // kN to N after the product, in this order: the 32-bit store then turns
    // 0.05 x 11.8 x 1000 = 590.0000000000001 into exactly 590.
    const double newtons = (factor * dynamicLoadRating) * 1000.0;
    return ToSingle(newtons);
}

}  // namespace RatingCatalogue

void storeSelection(const SelectionPicks& picks, CalculationState& s) {
    if (const RatingRow* row = RatingCatalogue::find(picks.series, picks.size)) {
        s.DynamicLoadRating = row->C;
        s.StaticLoadRating = row->C0;
        s.PitchingMomentRating = row->MP0;
        s.YawingMomentRating = row->MP0;
        s.RollingMomentRating = ToSingle(row->MR0);
        if (const auto factor = RatingCatalogue::preloadFactor(picks.series, picks.preload))
            s.PreloadForce = RatingCatalogue::preloadForce(*factor, s.DynamicLoadRating);
    }
    s.SeriesCode = picks.seriesText;
    s.SizeCode = picks.sizeText;
    s.InstallationText = picks.installationText;
    s.CombinationText = picks.combinationText;
    s.PreloadText = picks.preloadText;
    s.InstallationIndex = static_cast<std::int16_t>(picks.installation);
    s.CombinationIndex = static_cast<std::int16_t>(picks.combination);
    s.PreloadIndex = static_cast<std::int16_t>(picks.preload);
}
