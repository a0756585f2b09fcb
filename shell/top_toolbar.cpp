#include "shell/top_toolbar.h"

#include <set>
#include <sstream>

#include "shell/application.h"
#include "shell/maker.h"
#include "shell/toolbar_picture.h"

namespace shell {

namespace {

// Where a saved layout of the bar would be: the keys of the buttons to show,
// separated by commas. Nothing in the program saves one.
constexpr const char* LayoutKey = "Pantrivo42";
constexpr const char* LayoutSection = "User1";
constexpr const char* LayoutValue = "Toolbar1";

}  // namespace

TopToolbar::TopToolbar(Application& app, ui::Form& window, ui::Toolbar& bar, ui::StatusBar& status,
                       std::function<void()> exitPath, std::function<void()> help)
    : app_(app), window_(window), bar_(bar), status_(status), exitPath_(std::move(exitPath)), help_(std::move(help)) {
    bar_.onButtonClick = [this](int button) { ButtonClick(button); };
}

void TopToolbar::addButtons() {
    for (ui::ToolbarButton& button : TopToolbarButtons(app_)) bar_.addButton(std::move(button));
}

void TopToolbar::disable(std::initializer_list<TopButton> buttons) {
    for (TopButton button : buttons) bar_.setButtonEnabled(static_cast<int>(button), false);
}

void TopToolbar::ButtonClick(int button) {
    if (button >= static_cast<int>(TopButton::MainMenu) && button <= LastActivity) {
        // Stays until the window is activated again when the exit is cancelled.
        status_.setPanelText(1, "Loading");
        exitPath_();
    } else if (button == static_cast<int>(TopButton::WebSite)) {
        status_.setPanelText(1, "Launching Web Site");
        // A site that cannot be opened is not worth a message here.
        static_cast<void>(app_.desktopShell().ShellOpen({window_.hWnd(), "Open", MakerWebSiteAddress, "0", "0", 0}));
        status_.setPanelText(1, window_.Caption());
    } else if (button == static_cast<int>(TopButton::Help)) {
        help_();
    } else if (button == static_cast<int>(TopButton::Exit)) {
        exitPath_();
    }
}

void TopToolbar::Restore() {
    bar_.Refresh();
    const auto layout = app_.registry().GetSetting(LayoutKey, LayoutSection, LayoutValue);
    if (!layout || layout->empty()) return;
    std::set<std::string> shown;
    std::istringstream keys(*layout);
    for (std::string key; std::getline(keys, key, ',');) shown.insert(key);
    // A layout that names none of the buttons is not one of ours: keep the bar.
    bool namesAButton = false;
    for (int button = 1; button <= bar_.ButtonCount(); ++button)
        namesAButton = namesAButton || shown.count(bar_.Button(button).key) > 0;
    if (!namesAButton) return;
    for (int button = 1; button <= bar_.ButtonCount(); ++button)
        bar_.setButtonVisible(button, shown.count(bar_.Button(button).key) > 0);
}

}  // namespace shell
