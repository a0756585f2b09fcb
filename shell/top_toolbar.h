#pragma once
#include <functional>
#include <initializer_list>

#include "platform/ui/form.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/toolbar.h"
#include "shell/toolbar_table/top_toolbar_buttons.h"

namespace shell {

class Application;

// The toolbar every activity window carries along its top: one button per
// activity of the family of home programs, then the web site, help and exit.
// Any activity button takes the user back to the start window through the
// window's exit path; no activity is opened from here.
class TopToolbar {
public:
    // Buttons 1 to 44 stand for activities.
    static constexpr int LastActivity = 44;

    TopToolbar(Application& app, ui::Form& window, ui::Toolbar& bar, ui::StatusBar& status,
               std::function<void()> exitPath, std::function<void()> help);

    // Puts the 49 buttons on an empty bar, with their pictures and tooltips.
    void addButtons();
    // Buttons a window cannot use (its own activity, say), from its loading on.
    void disable(std::initializer_list<TopButton> buttons);

    void ButtonClick(int button);

    // Draws the bar afresh and puts back a layout saved for it, if any.
    void Restore();

private:
    Application& app_;
    ui::Form& window_;
    ui::Toolbar& bar_;
    ui::StatusBar& status_;
    std::function<void()> exitPath_;
    std::function<void()> help_;
};

}  // namespace shell
