#pragma once

#include <array>
#include <cstdint>
#include <string>

// The one shared record of the calculator. Pages and load procedures pass no
// arguments to each other: everything travels through these fields, which are
// read and written directly by name. Storage widths are part of the contract:
// a `float` field holds its value rounded to 32 bits, and later arithmetic sees
// that rounded value widened back to double.
struct CalculationState {
    using LoadTable = std::array<std::array<double, 4>, 9>;  // [carriage 0..8][phase 0..3]

    // Selection (selection page "Next").
    std::string SeriesCode;
    std::string SizeCode;
    std::string InstallationText;
    std::string CombinationText;
    std::string PreloadText;
    std::int16_t InstallationIndex = 0;
    std::int16_t CombinationIndex = 0;
    std::int16_t PreloadIndex = 0;

    // Ratings (selection page "Next").
    double DynamicLoadRating = 0.0;     // C, kN
    double StaticLoadRating = 0.0;      // C0, kN
    double PitchingMomentRating = 0.0;  // MP0, kN·m
    double YawingMomentRating = 0.0;    // MY0, kN·m
    float RollingMomentRating = 0.0f;   // MR0, kN·m
    float PreloadForce = 0.0f;          // N

    // Velocity conditions (velocity page "Next").
    double Velocity = 0.0;          // m/s
    double AccelerationTime = 0.0;  // s
    double StrokeLength = 0.0;      // mm
    float ReciprocationsPerMinute = 0.0f;
    double Acceleration = 0.0;  // m/s², exactly 0 without inertia force

    // Operating conditions (operation page "Next"), mm / kg / kgf / degrees.
    double ThrustPointY0 = 0.0;
    double ThrustPointZ0 = 0.0;
    double CarriageSpanL1 = 0.0;
    double CarriageSpanL1b = 0.0;
    double RailSpanL2 = 0.0;
    float InclinationAngle = 0.0f;
    double Mass1 = 0.0, GravityX1 = 0.0, GravityY1 = 0.0, GravityZ1 = 0.0;
    double Mass2 = 0.0, GravityX2 = 0.0, GravityY2 = 0.0, GravityZ2 = 0.0;
    double Mass3 = 0.0, GravityX3 = 0.0, GravityY3 = 0.0, GravityZ3 = 0.0;
    double LoadFx = 0.0, LoadPointX4 = 0.0, LoadPointY4 = 0.0, LoadPointZ4 = 0.0;
    double LoadFy = 0.0, LoadPointX5 = 0.0, LoadPointY5 = 0.0, LoadPointZ5 = 0.0;
    double LoadFz = 0.0, LoadPointX6 = 0.0, LoadPointY6 = 0.0;
    float LoadPointZ6 = 0.0f;

    // Minimum spans (operation page activation), read by the span checks.
    double MinCarriageSpanL1 = 0.0;
    double MinCarriageSpanL1b = 0.0;
    float MinRailSpanL2 = 0.0f;

    // Scratch moments of the procedure that ran last, N·mm.
    double RollingMoment = 0.0;
    double PitchingMoment = 0.0;
    double YawingMoment = 0.0;

    // Load tables, N. Carriage 0 and phase 0 are never used.
    LoadTable RadialLoad{};
    LoadTable LateralLoad{};
    LoadTable EquivalentLoad{};
    std::array<float, 9> MeanLoad{};

    // Result values (result page activation).
    double StaticSafetyFactor = 0.0;
    double LoadFactor = 0.0;
    double LifeDistance = 0.0;  // km
    double LifeTime = 0.0;      // h, 0 when not computed

    float Pi = 0.0f;  // 3.1415927f once a tilted installation has been calculated
};

// The single instance for the whole run.
CalculationState& state();
