#include "loads/LoadFrame.h"

#include <array>
#include <cmath>

namespace {

// Where a carriage stands. Along a rail the carriages are numbered from one
// end, carriage 1 first; with two rails the second rail is numbered back, so
// carriage N+1-i stands beside carriage i. A moment shared along a rail loads
// the two halves of the group with opposite signs; the middle carriage of
// three stands at the centre and takes no share.
struct CarriagePlace {
    double railSide;  // +1 first rail, -1 second rail, 0 with one rail
    double endSide;   // +1 on carriage 1's half of its rail, -1 on the other half, 0 at the centre
    bool outer;       // with four per rail: one of the outer pair, at ±L1'/2 (the inner pair at ±L1/2)
};

struct LayoutShape {
    int rails;
    int perRail;
    std::array<CarriagePlace, 8> places;  // carriage i at places[i - 1]
    int carriages() const { return rails * perRail; }
};

constexpr CarriagePlace kAlone{0, 0, false};

// The eight layouts, in the order of the combination index. Each carriage:
// {rail side, end side, outer}; O marks the outer pair of four per rail.
constexpr bool O = true, I = false;
// clang-format off
constexpr std::array<LayoutShape, 8> kLayouts{{
    {1, 1, {{kAlone}}},
    {1, 2, {{{0, +1, I}, {0, -1, I}}}},
    {1, 3, {{{0, +1, I}, {0,  0, I}, {0, -1, I}}}},
    {1, 4, {{{0, +1, O}, {0, +1, I}, {0, -1, I}, {0, -1, O}}}},
    {2, 1, {{{+1, 0, I},                                      {-1, 0, I}}}},
    {2, 2, {{{+1, +1, I}, {+1, -1, I},                         {-1, -1, I}, {-1, +1, I}}}},
    {2, 3, {{{+1, +1, I}, {+1,  0, I}, {+1, -1, I},             {-1, -1, I}, {-1,  0, I}, {-1, +1, I}}}},
    {2, 4, {{{+1, +1, O}, {+1, +1, I}, {+1, -1, I}, {+1, -1, O}, {-1, -1, O}, {-1, -1, I}, {-1, +1, I}, {-1, +1, O}}}},
}};
// clang-format on

struct Spans {
    double L1, L1b, L2, D;
};

Spans ReadSpans(const CalculationState& s) {
    const double L1 = s.CarriageSpanL1;
    const double L1b = s.CarriageSpanL1b;
    return {L1, L1b, s.RailSpanL2, L1 * L1 + L1b * L1b};
}

// Magnitude of a pitching or yawing moment's share on one carriage, before
// its sign. Shares are M·c/Σc² over the carriages of both rails.
double AlongRailShare(const LayoutShape& layout, const CarriagePlace& place, const Spans& sp, double M) {
    if (place.endSide == 0.0) return 0.0;
    if (layout.perRail == 4) {
        const double lever = place.outer ? sp.L1b : sp.L1;
        return layout.rails == 1 ? M * lever / sp.D : 0.5 * M * lever / sp.D;
    }
    return layout.rails == 1 ? M / sp.L1 : M / (2 * sp.L1);
}

// Magnitude of the rolling moment's share on one carriage of a two-rail layout.
double AcrossRailsShare(const LayoutShape& layout, const Spans& sp, double MR) {
    return layout.perRail == 1 ? MR / sp.L2 : MR / (layout.perRail * sp.L2);
}

// The moment part of the equivalent load: the moments the layout cannot carry
// by force couples, each against its rating, with C0/(1000·N) turning the sum
// into newtons per carriage (C0 in kN, moments in N·mm, ratings in kN·m).
double UnsharedMomentTerm(const LayoutShape& layout, const CalculationState& s, const PhaseLoads& m) {
    const double C0 = s.StaticLoadRating;
    const double MR0 = s.RollingMomentRating;  // the 32-bit rating, widened
    const double MP0 = s.PitchingMomentRating;
    const double MY0 = s.YawingMomentRating;
    const double K = 1000 * layout.carriages();
    if (layout.rails == 1 && layout.perRail == 1)
        return C0 / K * ((std::abs(m.rolling) / MR0 + std::abs(m.pitching) / MP0) + std::abs(m.yawing) / MY0);
    if (layout.rails == 1) return C0 / K * (std::abs(m.rolling) / MR0);
    if (layout.perRail == 1) return C0 / K * (std::abs(m.pitching) / MP0 + std::abs(m.yawing) / MY0);
    return 0.0;
}

}  // namespace

MassSums SumMasses(const CalculationState& s) {
    const double m1 = s.Mass1, m2 = s.Mass2, m3 = s.Mass3;
    // One field holds the thrust point's first coordinate: Y0 across a
    // horizontal rail, captioned X0 where the rail stands upright.
    const double X0 = s.ThrustPointY0, Y0 = s.ThrustPointY0, Z0 = s.ThrustPointZ0;
    MassSums r;
    r.sum = m1 + m2 + m3;
    r.x = m1 * s.GravityX1 + m2 * s.GravityX2 + m3 * s.GravityX3;
    r.y = m1 * s.GravityY1 + m2 * s.GravityY2 + m3 * s.GravityY3;
    r.z = m1 * s.GravityZ1 + m2 * s.GravityZ2 + m3 * s.GravityZ3;
    r.aboutX0 = m1 * (s.GravityX1 - X0) + m2 * (s.GravityX2 - X0) + m3 * (s.GravityX3 - X0);
    r.aboutY0 = m1 * (s.GravityY1 - Y0) + m2 * (s.GravityY2 - Y0) + m3 * (s.GravityY3 - Y0);
    r.aboutZ0 = m1 * (s.GravityZ1 - Z0) + m2 * (s.GravityZ2 - Z0) + m3 * (s.GravityZ3 - Z0);
    return r;
}

void DistributeLoads(const InstallationModel& model, Layout which) {
    CalculationState& s = state();
    const LayoutShape& layout = kLayouts[static_cast<int>(which)];
    const int N = layout.carriages();
    const Spans sp = ReadSpans(s);

    for (const Phase phase : {Phase::Uniform, Phase::Acceleration, Phase::Deceleration}) {
        const PhaseLoads m = model.loads(s, phase, layout.rails);
        s.RollingMoment = m.rolling;
        s.PitchingMoment = m.pitching;
        s.YawingMoment = m.yawing;
        const int j = static_cast<int>(phase);

        for (int i = 1; i <= N; ++i) {
            const CarriagePlace& place = layout.places[i - 1];
            double radial = m.radial / N;
            if (place.railSide != 0.0)
                radial += model.rollingSign * place.railSide * AcrossRailsShare(layout, sp, m.rolling);
            if (place.endSide != 0.0)
                radial += model.pitchingSign * place.endSide * AlongRailShare(layout, place, sp, m.pitching);
            s.RadialLoad[i][j] = radial;
        }
        for (int i = 1; i <= N; ++i) {
            const CarriagePlace& place = layout.places[i - 1];
            double lateral = m.lateral / N;
            if (place.endSide != 0.0)
                lateral += model.yawingSign * place.endSide * AlongRailShare(layout, place, sp, m.yawing);
            s.LateralLoad[i][j] = lateral;
        }
        const double momentTerm = UnsharedMomentTerm(layout, s, m);
        for (int i = 1; i <= N; ++i)
            s.EquivalentLoad[i][j] = std::abs(s.RadialLoad[i][j]) + std::abs(s.LateralLoad[i][j]) + momentTerm;
    }
}

std::string ZeroDivisorRefusal(const CalculationState& s, Layout which) {
    const LayoutShape& layout = kLayouts[static_cast<int>(which)];
    const Spans sp = ReadSpans(s);
    if ((layout.perRail == 2 || layout.perRail == 3) && sp.L1 == 0.0)
        return "The carriage span L1 is 0, so the loads cannot be shared among the carriages of a rail. "
               "Enter a carriage span L1 greater than 0.";
    if (layout.perRail == 4 && sp.D == 0.0)
        return "The carriage spans L1 and L1' are both 0, so the loads cannot be shared among the carriages of a "
               "rail. Enter carriage spans greater than 0.";
    if (layout.rails == 2 && sp.L2 == 0.0)
        return "The rail span L2 is 0, so the loads cannot be shared between the rails. "
               "Enter a rail span L2 greater than 0.";
    const char* const again =
        " of the chosen guideway is 0, so the equivalent load cannot be calculated. "
        "Choose the guideway again on the selection page.";
    if (layout.rails == 1 && s.RollingMomentRating == 0.0f)
        return std::string("The static permissible rolling moment") + again;
    if (layout.perRail == 1 && s.PitchingMomentRating == 0.0)
        return std::string("The static permissible pitching moment") + again;
    if (layout.perRail == 1 && s.YawingMomentRating == 0.0)
        return std::string("The static permissible yawing moment") + again;
    return {};
}
