#pragma once
#include "platform/ui/controls.h"

namespace shell {

class Application;

// Where an activity window's main panel lies at each activation: centred
// across the start window's width, and between the top toolbar and the
// status bar (higher up when the toolbar is hidden).
void PlaceMainPanel(const Application& app, ui::Control& panel, const ui::Toolbar& topBar, const ui::StatusBar& status);

}  // namespace shell
