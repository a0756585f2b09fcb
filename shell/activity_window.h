#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "shell/color_options.h"
#include "shell/form_background.h"
#include "shell/top_toolbar.h"

namespace shell {

class Application;

// A button of a window's side toolbar: its tooltip, which is also its key,
// and the name of its picture (shell::pictures).
struct SideButton {
    const char* toolTip;
    std::string_view picture;
};

// The controls an activity window's shared parts work on, named once its
// design is built.
struct ActivityParts {
    ui::Image& background;  // the picture behind everything
    FormBackgroundRow backgroundRow;
    ui::Toolbar& topBar;  // the 49 buttons of every activity window
    ui::StatusBar& status;
    ui::Toolbar& sideBar;  // the window's own buttons, down the left edge
    std::vector<SideButton> sideButtons;
    PanelColorSet colors;
    std::vector<ui::Control*> colorPanels;    // every control the panel colour recolours, the main panel first
    ui::Menu& options;                        // popped up at the pointer by the right button
    std::vector<ui::Control*> popUpControls;  // besides the window's background
    ui::Menu& help;                           // the Help title of the menu bar
};

// What every activity window shares: it opens over the start window,
// covering exactly its place, with the top toolbar, its side buttons, the
// panel colour, the program-wide background and the Options popup on the
// right button; F1 and Help open the topic of what it shows; the close box
// asks the same questions as the exit path, and however it closes it hands
// back to the start window. A window derives from this, builds its design,
// calls setUpActivity, and states only what differs in the hooks below.
class ActivityWindow : public ui::Form {
public:
    // Runs the exit path's questions, the window's own first; false when
    // the window is to stay.
    bool ConfirmExit();
    // The exit path: the questions, then the window unloads.
    void ExitWindow();
    // Help on what the window shows now.
    void ShowHelp();
    ColorOptions& colors() { return *colors_; }
    TopToolbar& topToolbar() { return *topToolbar_; }

protected:
    // A fixed 12000 by 9000 twip window without a maximise button that sees
    // every key first, as every activity window is designed.
    ActivityWindow(Application& app, std::string name);
    ~ActivityWindow() override;

    // Makes the shared parts and binds the form's own events to them.
    void setUpActivity(ActivityParts parts);
    // The shared loading steps (the start window's place, the background,
    // the panel colour), then Form_Load. A window that loads afresh while
    // open calls it again.
    void LoadActivity();
    // Sizes the background picture to the start window's size.
    void sizeBackground();

    // --- what each window adds
    // After the shared loading steps.
    virtual void Form_Load() {}
    // After the background and the status bar's caption, before the busy pointer goes off.
    virtual void Form_Activate() {}
    // Before the hand-back to the start window.
    virtual void Form_Unload() {}
    // Every key but F1, which opens help.
    virtual void Form_KeyDown(int& /*keyCode*/, int /*shift*/) {}
    // Where the controls lie for the window's size: first at each activation.
    virtual void placeControls() {}
    // The help topic of what the window shows now.
    virtual int helpTopic() const = 0;
    // The window's own questions before the panel colour's; false to stay.
    virtual bool AskBeforeLeaving() { return true; }
    // Around the Options popup; afterPopUp does not run when a command of
    // the popup closed the window.
    virtual void beforePopUp() {}
    virtual void afterPopUp() {}

    Application& app_;

private:
    // The first steps of loading: proportional resizing in full screen
    // display only, then the start window's Top, Left, Width and Height.
    void TakeStartWindowPlace();
    // The last steps of unloading: the start window takes this window's Top
    // and Left (not when maximised), is shown again, and is drawn before
    // anything else runs. Each step goes on when another failed.
    void HandBack();
    void popUpOptions();
    FormBackground background();

    ui::Image* background_ = nullptr;
    FormBackgroundRow backgroundRow_{};
    ui::StatusBar* status_ = nullptr;
    ui::Menu* options_ = nullptr;
    std::unique_ptr<ColorOptions> colors_;
    std::unique_ptr<TopToolbar> topToolbar_;
    // The exit path closed the window while the popup was open.
    bool closedByExit_ = false;
};

}  // namespace shell
