#include "operation/CalculationStep.h"

#include "app/CalculationState.h"

// Placeholder until the load procedures land: stores nothing, refuses nothing.
StepOutcome RunCalculationStep(const std::array<std::string, 30>&) { return {}; }
