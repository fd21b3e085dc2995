#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/CalculationState.h"

// A machine table of everyday size, with inertia force, as the selection and
// velocity pages would have stored it: the input of the calculation and
// result page benchmarks.
namespace bench {

inline void prepareSelection(int installation, int combination) {
    CalculationState& s = state();
    s = CalculationState{};
    s.SeriesCode = "ABC";
    s.SizeCode = "25";
    s.InstallationText = "Horizontal application";
    s.CombinationText = "2 rails,each rail includes 4 carriages";
    s.PreloadText = "Light preload";
    s.InstallationIndex = static_cast<std::int16_t>(installation);
    s.CombinationIndex = static_cast<std::int16_t>(combination);
    s.DynamicLoadRating = 35.9;
    s.StaticLoadRating = 56.19;
    s.PitchingMomentRating = 0.76;
    s.YawingMomentRating = 0.76;
    s.RollingMomentRating = 0.99f;
    s.PreloadForce = 2872.0f;
    s.Velocity = 1.0;
    s.AccelerationTime = 0.1;
    s.StrokeLength = 500.0;
    s.ReciprocationsPerMinute = 30.0f;
    s.Acceleration = 10.0;
}

// Texts of the operation page's thirty fields.
inline const std::array<std::string, 30> kEntries = {
    "0",   "40",   "180", "120", "400", "30",  // thrust point, spans, inclination
    "120", "50",   "30",  "80",                // m1 and its gravity point
    "40",  "-60",  "20",  "50",                // m2
    "15",  "0",    "0",   "120",               // m3
    "20",  "0",    "50",  "90",                // fx and its point
    "10",  "30",   "0",   "70",                // fy
    "-25", "-100", "80",  "0",                 // fz
};

}  // namespace bench
