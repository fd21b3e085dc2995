#pragma once

#include "app/CalculationState.h"

// One carriage loaded 1200 / 1000 / 800 N over a 500 mm stroke at 1 m/s.
inline CalculationState workedExample(const char* series) {
    CalculationState s;
    s.SeriesCode = series;
    s.EquivalentLoad[1] = {0.0, 1200.0, 1000.0, 800.0};
    s.Velocity = 1.0;
    s.AccelerationTime = 0.1;
    s.StrokeLength = 500.0;
    s.ReciprocationsPerMinute = 30.0f;
    s.Acceleration = 10.0;
    s.DynamicLoadRating = 20.0;
    s.StaticLoadRating = 30.0;
    s.PreloadForce = 400.0f;
    return s;
}
