#pragma once

#include "app/CalculationState.h"

// Cosine and sine of the inclination of the tilted installations. The angle
// is formed as θ / 180 × Pi from the stored 32-bit θ and 32-bit Pi, in 64-bit
// arithmetic, every time one of them is taken; with the 32-bit Pi, 90 degrees
// gives a cosine of about -4.37e-8, not 0, and 30 degrees a sine of
// 0.5000000126..., and the loads carry those values.
double InclinationCosine(const CalculationState& s);
double InclinationSine(const CalculationState& s);
