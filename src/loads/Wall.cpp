// Wall installation: the table travels along X on a vertical wall, so the
// weights act against Y (the carriages' lateral direction) and Z is radial.
// The arms of the external loads are taken from the origin as entered; only
// the inertia forces are taken about the thrust point.

#include "loads/LoadFrame.h"
#include "loads/LoadProcedures.h"

namespace {

PhaseLoads WallPhase(const CalculationState& s, Phase phase, int /*rails*/) {
    const double g = kGravity;
    const MassSums m = SumMasses(s);
    const double inertia = InertiaSign(phase) * s.Acceleration;

    PhaseLoads out;
    // An off-centre fz rolls the table about X; fx, acting along X, cannot.
    out.rolling = m.z * g - s.LoadFy * g * s.LoadPointZ5 + s.LoadFz * g * s.LoadPointY6;
    // fx and the inertia force act along the same axis at the same kind of
    // arm, so they enter with opposite signs and cancel when they balance.
    out.pitching = inertia * m.aboutZ0 - s.LoadFx * g * s.LoadPointZ4 + s.LoadFz * g * s.LoadPointX6;
    out.yawing = -(m.x * g) + inertia * m.aboutY0 - s.LoadFx * g * s.LoadPointY4 + s.LoadFy * g * s.LoadPointX5;
    out.radial = -(s.LoadFz * g);
    out.lateral = -(m.sum * g) + s.LoadFy * g;
    return out;
}

// The wall's moments are written with the opposite hand to the horizontal
// installation's: a positive pitching moment presses carriage 1, a positive
// rolling moment the first rail, and a positive yawing moment pushes
// carriage 1 against Y.
constexpr InstallationModel kWall{+1.0, +1.0, -1.0, &WallPhase};

}  // namespace

void LoadWall1R1C() { DistributeLoads(kWall, Layout::OneRail1); }
void LoadWall1R2C() { DistributeLoads(kWall, Layout::OneRail2); }
void LoadWall1R3C() { DistributeLoads(kWall, Layout::OneRail3); }
void LoadWall1R4C() { DistributeLoads(kWall, Layout::OneRail4); }
void LoadWall2R1C() { DistributeLoads(kWall, Layout::TwoRails1); }
void LoadWall2R2C() { DistributeLoads(kWall, Layout::TwoRails2); }
void LoadWall2R3C() { DistributeLoads(kWall, Layout::TwoRails3); }
void LoadWall2R4C() { DistributeLoads(kWall, Layout::TwoRails4); }
