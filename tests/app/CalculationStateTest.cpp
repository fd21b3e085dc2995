#include "app/CalculationState.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <type_traits>

namespace {

// The storage widths decide the figures: a field held in 32 bits must round
// what is stored in it, every other number must keep 64 bits.
template <typename Field, typename Expected>
constexpr bool stored_as = std::is_same_v<Field, Expected>;

using S = CalculationState;
static_assert(stored_as<decltype(S::RollingMomentRating), float>);
static_assert(stored_as<decltype(S::PreloadForce), float>);
static_assert(stored_as<decltype(S::ReciprocationsPerMinute), float>);
static_assert(stored_as<decltype(S::InclinationAngle), float>);
static_assert(stored_as<decltype(S::LoadPointZ6), float>);
static_assert(stored_as<decltype(S::MinRailSpanL2), float>);
static_assert(stored_as<decltype(S::Pi), float>);
static_assert(stored_as<decltype(S::MeanLoad)::value_type, float>);
static_assert(stored_as<decltype(S::InstallationIndex), std::int16_t>);
static_assert(stored_as<decltype(S::CombinationIndex), std::int16_t>);
static_assert(stored_as<decltype(S::PreloadIndex), std::int16_t>);
static_assert(stored_as<decltype(S::DynamicLoadRating), double>);
static_assert(stored_as<decltype(S::StaticLoadRating), double>);
static_assert(stored_as<decltype(S::Velocity), double>);
static_assert(stored_as<decltype(S::AccelerationTime), double>);
static_assert(stored_as<decltype(S::StrokeLength), double>);
static_assert(stored_as<decltype(S::Acceleration), double>);
static_assert(stored_as<decltype(S::MinCarriageSpanL1), double>);
static_assert(stored_as<decltype(S::MinCarriageSpanL1b), double>);
static_assert(std::tuple_size_v<S::LoadTable> == 9 && std::tuple_size_v<S::LoadTable::value_type> == 4);
static_assert(std::tuple_size_v<decltype(S::MeanLoad)> == 9);

TEST(CalculationState, OneInstanceStartingAtZero) {
    CalculationState& first = state();
    EXPECT_EQ(&first, &state());
    const CalculationState fresh{};
    EXPECT_TRUE(fresh.SeriesCode.empty() && fresh.PreloadText.empty());
    EXPECT_EQ(fresh.PreloadIndex, 0);
    EXPECT_EQ(fresh.Pi, 0.0f);
    for (const auto& carriage : fresh.EquivalentLoad)
        for (double load : carriage) EXPECT_EQ(load, 0.0);
    for (float load : fresh.MeanLoad) EXPECT_EQ(load, 0.0f);
}

}  // namespace
