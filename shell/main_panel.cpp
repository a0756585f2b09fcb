#include "shell/main_panel.h"

#include <cmath>

#include "shell/application.h"

namespace shell {

namespace {
int Twips(double value) { return static_cast<int>(std::lround(value)); }
}  // namespace

void PlaceMainPanel(const Application& app, ui::Control& panel, const ui::Toolbar& topBar,
                    const ui::StatusBar& status) {
    const double startHeight = app.vars.StartHeight;
    const double startWidth = app.vars.StartWidth;
    if (topBar.Visible()) {
        const double h = (startHeight - panel.Height() - status.Height() / 2.0) / 2;
        panel.setTop(Twips((h - topBar.Height()) / 2 + topBar.Top() + topBar.Height() - 45));
    } else {
        panel.setTop(Twips(startHeight / 2 - panel.Height() / 2.0 - 360));
    }
    panel.setLeft(Twips(startWidth / 2 - panel.Width() / 2.0 - 30));
}

}  // namespace shell
