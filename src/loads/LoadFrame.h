#pragma once

// The frame that every load procedure runs on.
//
// A load procedure is an installation model driven through one of the eight
// carriage layouts. The model knows the physics of its installation: per
// phase, the rolling, pitching and yawing moments and the force totals that
// the carriages share equally. The layout knows the carriages: their
// numbering, positions, the size of each carriage's share of a moment, and
// which moments it cannot carry by force couples and so puts into the
// equivalent load. Layouts never change for a new installation.
//
// Adding an installation model:
//   1. In src/loads/<Installation>.cpp write one function
//        PhaseLoads MyPhase(const CalculationState& s, Phase phase, int rails)
//      returning the moments (N·mm) and the radial and lateral force totals
//      (N) of that phase, as the installation's tables give them. Use the
//      uniform moments as the starting point and add the inertia terms with
//      InertiaSign(phase), so that acceleration and deceleration differ from
//      uniform speed by the inertia forces alone. `rails` (1 or 2) is there
//      for an installation whose moments differ between one and two rails.
//   2. Give the signs that the shares carry on carriage 1 (for the rolling
//      moment: on the first rail) in an InstallationModel.
//   3. Each of the eight procedures is then one line:
//        void LoadMy2R2C() { DistributeLoads(kMyModel, Layout::TwoRails2); }
//   4. Put the eight procedures in the dispatch table (LoadDispatch.cpp).
// The calculation step refuses zero divisors of the layout and non-finite
// loads for every installation; a model needs no checks of its own.

#include <string>

#include "app/CalculationState.h"

// Gravity, m/s²: masses in kg and loads in kgf become newtons with it.
inline constexpr double kGravity = 9.8;

// Phase index of the load tables' columns.
enum class Phase { Acceleration = 1, Uniform = 2, Deceleration = 3 };

// +1 in acceleration, 0 at uniform speed, -1 in deceleration: the sign with
// which an installation's inertia terms enter a phase relative to acceleration.
inline constexpr double InertiaSign(Phase phase) {
    return phase == Phase::Acceleration ? 1.0 : phase == Phase::Deceleration ? -1.0 : 0.0;
}

// What an installation puts on the carriages in one phase.
struct PhaseLoads {
    double rolling = 0.0;   // MR, N·mm
    double pitching = 0.0;  // MP, N·mm
    double yawing = 0.0;    // MY, N·mm
    double radial = 0.0;    // radial force total, N, shared equally by all carriages
    double lateral = 0.0;   // lateral force total, N, shared equally by all carriages
};

struct InstallationModel {
    // Sign of each moment's share on carriage 1; every other carriage's sign
    // follows from its position. The rolling sign is that of the first rail.
    double rollingSign = 1.0;
    double pitchingSign = 1.0;
    double yawingSign = 1.0;
    PhaseLoads (*loads)(const CalculationState& s, Phase phase, int rails) = nullptr;
};

// The eight layouts, in the order of the combination index.
enum class Layout {
    OneRail1 = 0,  // 1 rail x 1 carriage
    OneRail2,
    OneRail3,
    OneRail4,
    TwoRails1,  // 2 rails x 1 carriage each
    TwoRails2,
    TwoRails3,
    TwoRails4,
};

// Mass sums of the three masses (kg, kg·mm). The "about" sums take their arms
// from the thrust point; `aboutX0` uses the thrust point's first field as X0,
// as the vertical installation captions it.
struct MassSums {
    double sum = 0.0;                                    // Sm
    double x = 0.0, y = 0.0, z = 0.0;                    // SmX, SmY, SmZ
    double aboutX0 = 0.0, aboutY0 = 0.0, aboutZ0 = 0.0;  // Sm(X-X0), Sm(Y-Y0), Sm(Z-Z0)
};
MassSums SumMasses(const CalculationState& s);

// Fills rows 1..N, phases 1..3 of the three load tables and the scratch
// moments from the model, uniform phase first. Each phase's equivalent loads
// take that phase's moments. The scratch moments are left at the
// deceleration values.
void DistributeLoads(const InstallationModel& model, Layout layout);

// Empty when the layout can divide by every span and rating it uses;
// otherwise the warning, in plain words, for the first one that is zero.
std::string ZeroDivisorRefusal(const CalculationState& s, Layout layout);
