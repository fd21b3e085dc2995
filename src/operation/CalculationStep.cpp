#include "operation/CalculationStep.h"

#include <cmath>

#include "app/CalculationState.h"
#include "forms/NumberText.h"
#include "loads/LoadFrame.h"
#include "loads/LoadProcedures.h"
#include "results/ServiceLife.h"

namespace {

void StoreEntries(CalculationState& s, const std::array<std::string, 30>& texts) {
    double* const wide[30] = {
        &s.ThrustPointY0, &s.ThrustPointZ0, &s.CarriageSpanL1, &s.CarriageSpanL1b, &s.RailSpanL2,
        nullptr,                                                              // Text6: the inclination, held in 32 bits
        &s.Mass1,         &s.GravityX1,     &s.GravityY1,      &s.GravityZ1,  //
        &s.Mass2,         &s.GravityX2,     &s.GravityY2,      &s.GravityZ2,  //
        &s.Mass3,         &s.GravityX3,     &s.GravityY3,      &s.GravityZ3,  //
        &s.LoadFx,        &s.LoadPointX4,   &s.LoadPointY4,    &s.LoadPointZ4,  //
        &s.LoadFy,        &s.LoadPointX5,   &s.LoadPointY5,    &s.LoadPointZ5,  //
        &s.LoadFz,        &s.LoadPointX6,   &s.LoadPointY6,
        nullptr,  // Text30: Z6, held in 32 bits
    };
    for (int i = 0; i < 30; ++i) {
        const double value = LeadingNumber(texts[i]);
        if (wide[i] != nullptr)
            *wide[i] = value;
        else if (i == 5)
            s.InclinationAngle = ToSingle(value);
        else
            s.LoadPointZ6 = ToSingle(value);
    }
}

void ClearLoadTables(CalculationState& s) {
    for (int i = 1; i <= 8; ++i) {
        s.MeanLoad[i] = 0.0f;
        for (int j = 1; j <= 3; ++j) {
            s.RadialLoad[i][j] = 0.0;
            s.LateralLoad[i][j] = 0.0;
            s.EquivalentLoad[i][j] = 0.0;
        }
    }
}

// A load that overflowed (huge entries, or spans so small that a share
// overflows) must not reach the result page as a number.
std::string NonFiniteLoadRefusal(const CalculationState& s) {
    const struct {
        const CalculationState::LoadTable& table;
        const char* name;
    } tables[] = {{s.RadialLoad, "radial"}, {s.LateralLoad, "lateral"}, {s.EquivalentLoad, "equivalent"}};
    for (int i = 1; i <= 8; ++i)
        for (const auto& t : tables)
            for (int j = 1; j <= 3; ++j)
                if (!std::isfinite(t.table[i][j]))
                    return std::string("The ") + t.name + " load of carriage " + std::to_string(i) +
                           " is too large to be calculated. Check the masses, loads, positions and spans entered.";
    return {};
}

}  // namespace

StepOutcome RunCalculationStep(const std::array<std::string, 30>& texts) {
    CalculationState& s = state();
    StoreEntries(s, texts);
    ClearLoadTables(s);

    const int installation = s.InstallationIndex;
    const int combination = s.CombinationIndex;
    if (installation == 3 || installation == 4) s.Pi = 3.1415927f;

    const LoadProcedure procedure = FindLoadProcedure(installation, combination);
    if (procedure == nullptr) return {};

    StepOutcome outcome;
    outcome.refusal = ZeroDivisorRefusal(s, static_cast<Layout>(combination));
    if (outcome.refusal.empty()) {
        const double scratch[3] = {s.RollingMoment, s.PitchingMoment, s.YawingMoment};
        procedure();
        outcome.refusal = NonFiniteLoadRefusal(s);
        // The result page computes the mean loads as it opens; what it could
        // not compute is refused here, while the page can still say so.
        if (outcome.refusal.empty()) outcome.refusal = MeanLoadRefusal(s);
        if (!outcome.refusal.empty()) {
            ClearLoadTables(s);
            s.RollingMoment = scratch[0];
            s.PitchingMoment = scratch[1];
            s.YawingMoment = scratch[2];
        }
    }
    outcome.calculated = outcome.refusal.empty();
    return outcome;
}
