#pragma once

#include <span>
#include <string_view>
#include <vector>

// Item texts of the selection page's lists and the rules that refill them.
namespace SelectionLists {

std::span<const std::string_view> installations();  // positions are the installation index
std::span<const std::string_view> combinations();   // positions are the combination index

// Text beside the lists for a series code; an unknown code reads as the last
// series, as the page always did.
std::string_view seriesDescription(std::string_view seriesCode);

// Sizes offered for a series code, in catalogue order; none for an unknown code.
std::vector<std::string_view> sizes(std::string_view seriesCode);

enum class PreloadCase {
    None,       // unknown series: the preload list stays empty
    SmallSize,  // sizes 15 and 15T of any series: FC and F0
    Ball,       // the other ball sizes: FC, F0, F1
    Roller,     // roller sizes: F0, F1, F2
};

PreloadCase preloadCase(std::string_view sizeText, std::string_view seriesCode);
std::span<const std::string_view> preloadItems(PreloadCase list);

// Position to select after the preload list is refilled, from the position
// confirmed at the last "Next"; -1 selects nothing. This goes by position,
// not by grade, and the third position falls back to the first when the list
// has only two items.
int preloadReselection(PreloadCase list, int storedPosition);

}  // namespace SelectionLists
