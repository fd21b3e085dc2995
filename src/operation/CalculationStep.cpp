#include "operation/CalculationStep.h"

#include <cmath>

#include "app/CalculationState.h"
#include "forms/NumberText.h"
#include "loads/LoadFrame.h"
#include "loads/LoadProcedures.h"
#include "results/ResultText.h"
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

bool shownWhole(double figure, double bound) { return std::fabs(figure) < bound; }

// A figure the result page could not show whole (a load that overflowed, or
// merely too long for its box) must not reach it. The service life is
// computed here as the page will compute it as it opens, on a copy.
std::string FigureRefusal(const CalculationState& s) {
    const std::string tableBound = " is too large for the result page, which shows loads below 10000000 N.";
    const struct {
        const CalculationState::LoadTable& table;
        const char* name;
    } tables[] = {{s.RadialLoad, "radial"}, {s.LateralLoad, "lateral"}, {s.EquivalentLoad, "equivalent"}};
    // The uniform phase first: without inertia force the page shows only it,
    // and the other two phases equal it.
    const std::string entries = " the masses, loads, positions and spans entered.";
    const struct {
        int index;
        const char* name;
        std::string advice;
    } phases[] = {{2, " at uniform speed", " Check" + entries},
                  {1, " while accelerating", " Check the velocity conditions and" + entries},
                  {3, " while decelerating", " Check the velocity conditions and" + entries}};
    for (int i = 1; i <= 8; ++i)
        for (const auto& t : tables)
            for (const auto& phase : phases)
                if (!shownWhole(t.table[i][phase.index], kLargestTableFigure))
                    return std::string("The ") + t.name + " load of carriage " + std::to_string(i) + phase.name +
                           tableBound + phase.advice;

    CalculationState result = s;
    const MeanLoads mean = ComputeServiceLife(result);
    // The velocity conditions weigh the phases only with inertia force.
    const std::string& meanAdvice = s.Acceleration != 0.0 ? phases[1].advice : phases[0].advice;
    for (int i = 1; i <= 8; ++i)
        if (!shownWhole(mean[i], kLargestTableFigure))
            return "The mean load of carriage " + std::to_string(i) + tableBound + meanAdvice;
    const std::string lifeBound = " is too large for the result page, which shows it up to 30 digits long.";
    if (!shownWhole(result.StaticSafetyFactor, kLargestLifeFigure))
        return "The static safety factor" + lifeBound + " Check the masses and loads entered.";
    if (!shownWhole(result.LifeDistance, kLargestLifeFigure))
        return "The service life distance" + lifeBound + " Check the masses and loads entered.";
    if (!shownWhole(result.LifeTime, kLargestLifeFigure))
        return "The service life time" + lifeBound +
               " Check the stroke length, the reciprocations per minute and the loads entered.";
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
        outcome.refusal = FigureRefusal(s);
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
