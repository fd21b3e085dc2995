#include "app/CalculationState.h"

#include <cstdint>
#include <type_traits>

// The storage widths decide the figures: a 32-bit field rounds what is stored
// in it, every other number keeps 64 bits.
using S = CalculationState;
template <typename Field, typename Expected>
constexpr bool stored_as = std::is_same_v<Field, Expected>;
static_assert(stored_as<decltype(S::RollingMomentRating), float> && stored_as<decltype(S::Pi), float>);
static_assert(stored_as<decltype(S::MeanLoad)::value_type, float> && stored_as<decltype(S::MinRailSpanL2), float>);
static_assert(stored_as<decltype(S::InstallationIndex), std::int16_t>);
static_assert(stored_as<decltype(S::DynamicLoadRating), double> && stored_as<decltype(S::MinCarriageSpanL1), double>);
