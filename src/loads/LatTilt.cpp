// Laterally tilted installation: the mounting plane is turned about the
// travel axis by θ, so +Y rises. The weight's part normal to the plane
// (cos θ) presses the carriages; its part along the plane (sin θ) pulls the
// table towards -Y, laterally and as a rolling and yawing moment. fx is taken
// by the drive and has its arms from the thrust point; fy and fz have theirs
// from the origin.

#include <cmath>

#include "loads/LoadFrame.h"
#include "loads/LoadProcedures.h"
#include "loads/LongTilt.h"

namespace {

PhaseLoads LatTiltPhase(const CalculationState& s, Phase phase, int /*rails*/) {
    const double g = kGravity;
    const MassSums m = SumMasses(s);
    const double inertia = InertiaSign(phase) * s.Acceleration;
    const double c = InclinationCosine(s);
    const double sn = InclinationSine(s);

    PhaseLoads out;
    out.rolling = m.y * g * c - m.z * g * sn - s.LoadFz * g * s.LoadPointY6 + s.LoadFy * g * s.LoadPointZ5;
    out.pitching = m.x * g * c - inertia * m.aboutZ0 + s.LoadFx * g * (s.LoadPointZ4 - s.ThrustPointZ0) -
                   s.LoadFz * g * s.LoadPointX6;
    out.yawing = m.x * g * sn - inertia * m.aboutY0 + s.LoadFx * g * (s.LoadPointY4 - s.ThrustPointY0) -
                 s.LoadFy * g * s.LoadPointX5;
    out.radial = m.sum * g * c - s.LoadFz * g;
    // The downhill weight pulls towards -Y; fy along +Y pushes against it, as
    // it does in the rolling and yawing moments.
    out.lateral = -(m.sum * g * sn) + s.LoadFy * g;
    return out;
}

// Pitching and rolling as the horizontal installation; the yawing moment is
// written with the opposite hand, so a positive one pushes carriage 1 along +Y.
constexpr InstallationModel kLatTilt{-1.0, -1.0, +1.0, &LatTiltPhase};

}  // namespace

void LoadLatTilt1R1C() { DistributeLoads(kLatTilt, Layout::OneRail1); }
void LoadLatTilt1R2C() { DistributeLoads(kLatTilt, Layout::OneRail2); }
void LoadLatTilt1R3C() { DistributeLoads(kLatTilt, Layout::OneRail3); }
void LoadLatTilt1R4C() { DistributeLoads(kLatTilt, Layout::OneRail4); }
void LoadLatTilt2R1C() { DistributeLoads(kLatTilt, Layout::TwoRails1); }
void LoadLatTilt2R2C() { DistributeLoads(kLatTilt, Layout::TwoRails2); }
void LoadLatTilt2R3C() { DistributeLoads(kLatTilt, Layout::TwoRails3); }
void LoadLatTilt2R4C() { DistributeLoads(kLatTilt, Layout::TwoRails4); }
