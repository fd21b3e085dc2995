#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/CalculationState.h"

// Rating life of the carriages from the load tables of the last calculation.

// "WUY" and "QEY", exactly as the series list writes them, are the roller
// series; every other text is computed as a ball series.
bool IsRollerSeries(std::string_view seriesCode);

// Load factor fw by velocity (m/s); each class includes its upper bound.
double LoadFactorTable(double velocity);

// Mean load of carriage 1..8 as the result page shows it. It equals the
// 32-bit `MeanLoad` field widened, except for a load beyond the 32-bit range:
// the field then holds the largest float and this holds the 64-bit value.
using MeanLoads = std::array<double, 9>;

// Writes `MeanLoad`(1..8), `StaticSafetyFactor`, `LoadFactor`,
// `LifeDistance` and `LifeTime` (0 when no running time can be given).
MeanLoads ComputeServiceLife(CalculationState& s);
inline MeanLoads ComputeServiceLife() { return ComputeServiceLife(state()); }
