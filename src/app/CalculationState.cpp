#include "app/CalculationState.h"

CalculationState& state() {
    static CalculationState instance;
    return instance;
}
