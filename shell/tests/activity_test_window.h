#pragma once
#include <utility>
#include <vector>

#include "platform/ui/controls.h"
#include "shell/activity_window.h"

namespace shell::testing {

// What an activity window hands its shared parts, as the least a test
// window has: the background picture, both toolbars, the status bar with
// its caption panel, and the Options and Help menus. A test window derives
// from ActivityWindow first and from this second, handing it this.
struct ActivityTestControls {
    explicit ActivityTestControls(ui::Form* form)
        : picture(&form->add<ui::Image>("Image1")),
          top(&form->add<ui::Toolbar>("Toolbar1")),
          side(&form->add<ui::Toolbar>("Toolbar2")),
          status(&form->add<ui::StatusBar>("StatusBar1")),
          options(&form->addMenu("mO", "&Options")),
          help(&form->addMenu("mH", "&Help")) {
        status->addPanel({});
    }

    // The parts, with what the window states for itself: its panel colour
    // and the panels it recolours, which also offer the Options popup.
    ActivityParts parts(PanelColorSet colors, std::vector<ui::Control*> panels,
                        std::vector<SideButton> sideButtons = {}) const {
        return {
            .background = *picture,
            .backgroundRow = {true, true, false},
            .topBar = *top,
            .status = *status,
            .sideBar = *side,
            .sideButtons = std::move(sideButtons),
            .colors = std::move(colors),
            .colorPanels = panels,
            .options = *options,
            .popUpControls = panels,
            .help = *help,
        };
    }

    ui::Image* picture;
    ui::Toolbar* top;
    ui::Toolbar* side;
    ui::StatusBar* status;
    ui::Menu* options;
    ui::Menu* help;
};

}  // namespace shell::testing
