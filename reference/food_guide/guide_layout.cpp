#include "reference/food_guide/guide_layout.h"

namespace food_guide {

double GuidePanelTop(const PanelPlacement& p) {
    if (!p.topBarShown) return p.startHeight / 2 - p.panelHeight / 2 - 360;
    const double room = (p.startHeight - p.panelHeight - p.statusHeight / 2) / 2;
    return p.topBarTop + p.topBarHeight + (room - p.topBarHeight) / 2;
}

double GuidePanelLeft(const PanelPlacement& p) { return p.startWidth / 2 - p.panelWidth / 2 - 30; }

}  // namespace food_guide
