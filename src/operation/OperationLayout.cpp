#include "operation/OperationLayout.h"

OperationLayout OperationLayoutFor(int installation, int combination) {
    OperationLayout layout;
    if (installation < 0 || installation > 4) return layout;
    layout.inclinationFrame = installation == 3 || installation == 4;
    layout.thrustCaption = installation == 1 ? "X0 =" : "Y0 =";
    if (combination < 0 || combination > 7) return layout;

    const int perRail = combination % 4 + 1;
    const bool twoRails = combination >= 4;
    layout.spanFrame = perRail > 1;
    layout.l1bRow = perRail == 4;
    layout.railSpanFrame = twoRails;
    layout.diagram = 3 + 8 * installation + combination;
    return layout;
}

namespace {

DiagramPanel Panel(DiagramView view, double angle, char axis, bool inclined = false) {
    DiagramPanel panel;
    panel.view = view;
    panel.axisAngle = angle;
    panel.showsInclination = inclined;
    panel.axis = axis;
    return panel;
}

}  // namespace

DiagramCase DiagramCaseFor(int installation, int combination) {
    DiagramCase out;
    out.rails = combination >= 4 ? 2 : 1;
    out.perRail = combination % 4 + 1;

    using enum DiagramView;
    switch (installation) {
        case 0:  // horizontal: seen along the travel, then from the side
            out.viewA = Panel(CrossSection, 0.0, 'Y');
            out.other = Panel(AlongTravel, 0.0, 'X');
            break;
        case 1:  // vertical: seen from above, then the travel upright
            out.viewA = Panel(CrossSection, 0.0, 'X');
            out.other = Panel(AlongTravel, 90.0, 'Y');
            break;
        case 2:  // wall: seen from above, then the section with Y upright
            out.viewA = Panel(AlongTravel, 0.0, 'X');
            out.other = Panel(CrossSection, 90.0, 'Y');
            break;
        case 3:  // tilted along the travel
            out.viewA = Panel(CrossSection, 0.0, 'Y');
            out.other = Panel(AlongTravel, kDiagramInclination, 'X', true);
            break;
        default:  // tilted across the travel
            out.viewA = Panel(AlongTravel, 0.0, 'X');
            out.other = Panel(CrossSection, kDiagramInclination, 'Y', true);
            break;
    }

    const int total = out.rails * out.perRail;
    for (int k = 1; k <= out.perRail; ++k) {
        std::string label = "NO." + std::to_string(k);
        if (out.rails == 2) {
            label += ',';
            label += std::to_string(total + 1 - k);
        }
        out.carriageLabels.push_back(label);
    }
    return out;
}
