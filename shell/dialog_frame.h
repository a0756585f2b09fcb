#pragma once
#include "platform/ui/form.h"

namespace shell {

class Application;

// A fixed dialog frame without minimise and maximise buttons, sized so that
// its inside is the designed area.
void SetUpDialogFrame(ui::Form& dialog, int insideWidth, int insideHeight);

// Places a dialog over the middle of the start window, by the start
// window's size as last stored (StartWidth, StartHeight), `below` twips low.
void CentreOverStartWindow(Application& app, ui::Form& dialog, int below);

}  // namespace shell
