#include "shell/activity_window.h"

#include "shell/application.h"
#include "shell/startfrm.h"

namespace shell {

void ActivityWindow::TakeStartWindowPlace() {
    window_.setElasticResize(app_.vars.DisplayMode != 9);
    const Startfrm& start = app_.window<Startfrm>();
    window_.setTop(start.Top());
    window_.setLeft(start.Left());
    window_.setWidth(start.Width());
    window_.setHeight(start.Height());
}

void ActivityWindow::HandBack() {
    // A start window closed meanwhile comes back with its whole start-up.
    Startfrm& start = app_.window<Startfrm>();
    if (start.windowState() != ui::WindowState::Maximized) {
        start.setTop(window_.Top());
        start.setLeft(window_.Left());
    }
    start.Show();
    app_.runtime().doEvents();
}

void ActivityWindow::AskBeforeClosing(std::function<bool()> confirmExit) {
    window_.onQueryUnload = [confirmExit = std::move(confirmExit)](bool& cancel, ui::UnloadMode mode) {
        if (mode == ui::UnloadMode::CloseBox && !confirmExit()) cancel = true;
    };
}

}  // namespace shell
