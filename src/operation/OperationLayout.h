#pragma once

#include <optional>
#include <string>
#include <vector>

// What the operation condition page shows for an installation (0 horizontal,
// 1 vertical, 2 wall, 3 longitudinally tilted, 4 laterally tilted) and a
// combination (0 to 3: one rail with 1 to 4 carriages; 4 to 7: two rails with
// 1 to 4 carriages each).
struct OperationLayout {
    bool spanFrame = true;          // L1 and L1'
    bool l1bRow = true;             // the L1' row inside it
    bool railSpanFrame = true;      // L2
    bool inclinationFrame = false;  // θ
    // Caption of the thrust point's first coordinate; unset leaves it as is.
    std::optional<std::string> thrustCaption;
    // Number of the mounting diagram (3 + 8 x installation + combination),
    // 0 when no diagram fits.
    int diagram = 0;
};

// Indices outside their ranges give the page as far as it can be derived:
// an unknown installation changes nothing after the reset, an unknown
// combination hides no field and shows no diagram.
OperationLayout OperationLayoutFor(int installation, int combination);

// The two views of a mounting diagram.
enum class DiagramView {
    AlongTravel,   // carriages one behind the other on a rail
    CrossSection,  // the rails side by side, with the thrust point
};

struct DiagramPanel {
    DiagramView view = DiagramView::AlongTravel;
    // Direction of the view's in-plane axis on the page, counter-clockwise
    // from the right: 0 for a level axis, 90 for an upright one, and the
    // illustrative inclination for the tilted installations.
    double axisAngle = 0.0;
    bool showsInclination = false;  // draws θ between the axis and the level
    char axis = 'X';                // letter of the in-plane axis
    char normalAxis = 'Z';          // letter of the axis square to it
};

struct DiagramCase {
    DiagramPanel viewA;  // the left view
    DiagramPanel other;  // the right view, with the arrow showing where View A is seen from
    int rails = 1;       // 1 or 2
    int perRail = 1;     // carriages per rail, 1 to 4
    // Carriage labels along the travel axis: NO.1 ... for one rail, NO.k,m
    // for the facing pairs of two rails.
    std::vector<std::string> carriageLabels;
};

// The illustrative inclination drawn for the tilted installations, degrees.
inline constexpr double kDiagramInclination = 15.0;

// Valid for installation 0 to 4 and combination 0 to 7.
DiagramCase DiagramCaseFor(int installation, int combination);
