// Longitudinally tilted installation: the rail rises at θ along the travel
// axis. The weight's part normal to the rail (cos θ) presses the carriages
// like a horizontal table's weight, with arms from the origin; its part along
// the rail (sin θ) is taken up by the drive at the thrust point and pitches
// and yaws the table like the inertia force of acceleration. fx, also taken by
// the drive, has its arms from the thrust point.

#include "loads/LongTilt.h"

#include <cmath>

#include "loads/LoadFrame.h"
#include "loads/LoadProcedures.h"

namespace {

double InclinationRadians(const CalculationState& s) {
    const float halfTurnDegrees = 180.0f;
    return static_cast<double>(s.InclinationAngle) / static_cast<double>(halfTurnDegrees) * static_cast<double>(s.Pi);
}

PhaseLoads LongTiltPhase(const CalculationState& s, Phase phase, int /*rails*/) {
    const double g = kGravity;
    const MassSums m = SumMasses(s);
    const double inertia = InertiaSign(phase) * s.Acceleration;
    const double c = InclinationCosine(s);
    const double sn = InclinationSine(s);

    PhaseLoads out;
    // fz lifts: it relieves the radial loads, and at its own point it undoes
    // the rolling and pitching of an equal weight.
    out.rolling = m.y * g * c - s.LoadFz * g * s.LoadPointY6 + s.LoadFy * g * s.LoadPointZ5;
    out.pitching = m.x * g * c - m.aboutZ0 * g * sn - inertia * m.aboutZ0 - s.LoadFz * g * s.LoadPointX6 +
                   s.LoadFx * g * (s.LoadPointZ4 - s.ThrustPointZ0);
    out.yawing = m.aboutY0 * g * sn + inertia * m.aboutY0 - s.LoadFx * g * (s.LoadPointY4 - s.ThrustPointY0) +
                 s.LoadFy * g * s.LoadPointX5;
    out.radial = m.sum * g * c - s.LoadFz * g;
    out.lateral = s.LoadFy * g;
    return out;
}

// The same hand as the horizontal installation: positive moments relieve
// carriage 1 and the first rail.
constexpr InstallationModel kLongTilt{-1.0, -1.0, -1.0, &LongTiltPhase};

}  // namespace

double InclinationCosine(const CalculationState& s) { return std::cos(InclinationRadians(s)); }
double InclinationSine(const CalculationState& s) { return std::sin(InclinationRadians(s)); }

void LoadLongTilt1R1C() { DistributeLoads(kLongTilt, Layout::OneRail1); }
void LoadLongTilt1R2C() { DistributeLoads(kLongTilt, Layout::OneRail2); }
void LoadLongTilt1R3C() { DistributeLoads(kLongTilt, Layout::OneRail3); }
void LoadLongTilt1R4C() { DistributeLoads(kLongTilt, Layout::OneRail4); }
void LoadLongTilt2R1C() { DistributeLoads(kLongTilt, Layout::TwoRails1); }
void LoadLongTilt2R2C() { DistributeLoads(kLongTilt, Layout::TwoRails2); }
void LoadLongTilt2R3C() { DistributeLoads(kLongTilt, Layout::TwoRails3); }
void LoadLongTilt2R4C() { DistributeLoads(kLongTilt, Layout::TwoRails4); }
