#pragma once

namespace food_guide {

// Where the food guide's panel lies at each activation, in twips, from the
// start window's size: centred across, and halfway down the room between
// the top toolbar and the status bar (higher up when the toolbar is hidden).
struct PanelPlacement {
    double startWidth = 0;
    double startHeight = 0;
    double panelWidth = 0;
    double panelHeight = 0;
    bool topBarShown = true;
    double topBarTop = 0;
    double topBarHeight = 0;
    double statusHeight = 0;
};
double GuidePanelTop(const PanelPlacement& p);
double GuidePanelLeft(const PanelPlacement& p);

// The grid takes this share of the panel's height, leaving the title above
// and the buttons below.
inline constexpr double GridShareOfPanel = 0.74;

}  // namespace food_guide
