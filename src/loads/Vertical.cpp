// Vertical installation. Y is the travel axis, upright; gravity acts along -Y
// and fy along +Y. Z points from the rail to the table (radial), X across
// (lateral). Every force along Y (weights, inertia, fy) is taken by the drive
// at the thrust point (X0, Z0) and reaches the carriages only as moments
// about it; in acceleration the masses act with g + a, in deceleration g - a.
// X0 is the thrust point's first field, which this installation captions X0.
#include "loads/LoadFrame.h"
#include "loads/LoadProcedures.h"

namespace {

PhaseLoads VerticalPhase(const CalculationState& s, Phase phase, int rails) {
    const double g = kGravity;
    const double a = s.Acceleration;
    const double X0 = s.ThrustPointY0, Z0 = s.ThrustPointZ0;
    const double fx = s.LoadFx, fy = s.LoadFy, fz = s.LoadFz;
    const MassSums Sm = SumMasses(s);
    const double inertia = InertiaSign(phase) * a;

    PhaseLoads loads;
    // One rail rolls about the thrust point; two rails share the rolling
    // moment about the origin, midway between them.
    loads.rolling = rails == 1 ? -g * fz * (s.LoadPointX6 - X0) + g * fx * (s.LoadPointZ4 - Z0)
                               : -g * fz * s.LoadPointX6 + g * fx * s.LoadPointZ4;
    loads.pitching = g * Sm.aboutZ0 + inertia * Sm.aboutZ0 - g * fy * (s.LoadPointZ5 - Z0) + g * fz * s.LoadPointY6;
    loads.yawing = -g * Sm.aboutX0 - inertia * Sm.aboutX0 + g * fy * (s.LoadPointX5 - X0) - g * fx * s.LoadPointY4;
    loads.radial = -g * fz;
    loads.lateral = g * fx;
    return loads;
}

// Carriage 1 (the lowest) takes +MP, +MY and, on the first rail, +MR shares.
constexpr InstallationModel kVertical{+1.0, +1.0, +1.0, VerticalPhase};

}  // namespace

void LoadVertical1R1C() { DistributeLoads(kVertical, Layout::OneRail1); }
void LoadVertical1R2C() { DistributeLoads(kVertical, Layout::OneRail2); }
void LoadVertical1R3C() { DistributeLoads(kVertical, Layout::OneRail3); }
void LoadVertical1R4C() { DistributeLoads(kVertical, Layout::OneRail4); }
void LoadVertical2R1C() { DistributeLoads(kVertical, Layout::TwoRails1); }
void LoadVertical2R2C() { DistributeLoads(kVertical, Layout::TwoRails2); }
void LoadVertical2R3C() { DistributeLoads(kVertical, Layout::TwoRails3); }
void LoadVertical2R4C() { DistributeLoads(kVertical, Layout::TwoRails4); }
