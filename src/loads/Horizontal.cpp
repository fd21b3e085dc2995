// Horizontal installation. X runs along the rail (travel), Y across it in the
// mounting plane, Z away from the mounting face. Weights press along -Z; fz
// lifts. In acceleration the table speeds up towards +X, so each mass's
// inertia force a·m acts along -X at its gravity point and is reacted at the
// thrust point (Y0, Z0).
#include "loads/LoadFrame.h"
#include "loads/LoadProcedures.h"

namespace {

PhaseLoads HorizontalPhase(const CalculationState& s, Phase phase, int /*rails*/) {
    const double g = kGravity;
    const double a = s.Acceleration;
    const double fx = s.LoadFx, fy = s.LoadFy, fz = s.LoadFz;
    const MassSums Sm = SumMasses(s);

    // Uniform moments, every arm measured from the origin.
    const double MR = g * Sm.y - g * fz * s.LoadPointY6 + g * fy * s.LoadPointZ5;
    const double MP = g * Sm.x + g * fx * s.LoadPointZ4 - g * fz * s.LoadPointX6;
    const double MY = g * fy * s.LoadPointX5 - g * fx * s.LoadPointY4;

    // Acceleration and deceleration add only the inertia forces, whose arms
    // run from the thrust point: MP1 = MP - a·Sm(Z-Z0), MP3 = MP + a·Sm(Z-Z0),
    // MY1 = MY + a·Sm(Y-Y0), MY3 = MY - a·Sm(Y-Y0).
    const double inertia = InertiaSign(phase) * a;
    PhaseLoads loads;
    loads.rolling = MR;
    loads.pitching = MP - inertia * Sm.aboutZ0;
    loads.yawing = MY + inertia * Sm.aboutY0;
    loads.radial = g * (Sm.sum - fz);  // W: fz counts against the weights
    loads.lateral = g * fy;            // T
    return loads;
}

// Carriage 1 takes -MP, -MY and, on the first rail, -MR shares.
constexpr InstallationModel kHorizontal{-1.0, -1.0, -1.0, HorizontalPhase};

}  // namespace

void LoadHorizontal1R1C() { DistributeLoads(kHorizontal, Layout::OneRail1); }
void LoadHorizontal1R2C() { DistributeLoads(kHorizontal, Layout::OneRail2); }
void LoadHorizontal1R3C() { DistributeLoads(kHorizontal, Layout::OneRail3); }
void LoadHorizontal1R4C() { DistributeLoads(kHorizontal, Layout::OneRail4); }
void LoadHorizontal2R1C() { DistributeLoads(kHorizontal, Layout::TwoRails1); }
void LoadHorizontal2R2C() { DistributeLoads(kHorizontal, Layout::TwoRails2); }
void LoadHorizontal2R3C() { DistributeLoads(kHorizontal, Layout::TwoRails3); }
void LoadHorizontal2R4C() { DistributeLoads(kHorizontal, Layout::TwoRails4); }
