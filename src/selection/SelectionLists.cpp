#include "selection/SelectionLists.h"

#include <array>

#include "selection/RatingCatalogue.h"

namespace {

constexpr std::array<std::string_view, 5> kInstallations{
    "Horizontal application",       "Vertical application", "Wall application", "Longitudinally tilted application",
    "Laterally tilted application",
};

// No blank after the comma: these texts travel on to the later pages as shown.
constexpr std::array<std::string_view, 8> kCombinations{
    "1 rail,each rail includes 1 carriage",   "1 rail,each rail includes 2 carriages",
    "1 rail,each rail includes 3 carriages",  "1 rail,each rail includes 4 carriages",
    "2 rails,each rail includes 1 carriage",  "2 rails,each rail includes 2 carriages",
    "2 rails,each rail includes 3 carriages", "2 rails,each rail includes 4 carriages",
};

constexpr std::string_view kFC = "Light preload ( FC )";
constexpr std::string_view kF0 = "Medium preload ( F0 )";
constexpr std::string_view kF1 = "Heavy preload ( F1 )";
constexpr std::string_view kF2 = "Ultra Heavy preload ( F2 )";

constexpr std::array<std::string_view, 2> kSmallSizeGrades{kFC, kF0};
constexpr std::array<std::string_view, 3> kBallGrades{kFC, kF0, kF1};
constexpr std::array<std::string_view, 3> kRollerGrades{kF0, kF1, kF2};

}  // namespace

namespace SelectionLists {

std::span<const std::string_view> installations() { return kInstallations; }
std::span<const std::string_view> combinations() { return kCombinations; }

std::string_view seriesDescription(std::string_view seriesCode) {
    if (const GuidewaySeries* entry = RatingCatalogue::findSeries(seriesCode)) return entry->description;
    return RatingCatalogue::series().back().description;
}

std::vector<std::string_view> sizes(std::string_view seriesCode) {
    std::vector<std::string_view> result;
    if (const GuidewaySeries* entry = RatingCatalogue::findSeries(seriesCode))
        for (const RatingRow& row : entry->rows) result.push_back(row.size);
    return result;
}

PreloadCase preloadCase(std::string_view sizeText, std::string_view seriesCode) {
    if (sizeText == "15T" || sizeText == "15") return PreloadCase::SmallSize;
    const GuidewaySeries* entry = RatingCatalogue::findSeries(seriesCode);
    if (entry == nullptr) return PreloadCase::None;
    return entry->roller ? PreloadCase::Roller : PreloadCase::Ball;
}

std::span<const std::string_view> preloadItems(PreloadCase list) {
    switch (list) {
        case PreloadCase::SmallSize:
            return kSmallSizeGrades;
        case PreloadCase::Ball:
            return kBallGrades;
        case PreloadCase::Roller:
            return kRollerGrades;
        case PreloadCase::None:
            break;
    }
    return {};
}

int preloadReselection(PreloadCase list, int storedPosition) {
    if (list == PreloadCase::None || storedPosition < 0 || storedPosition > 2) return -1;
    if (list == PreloadCase::SmallSize && storedPosition == 2) return 0;
    return storedPosition;
}

}  // namespace SelectionLists
