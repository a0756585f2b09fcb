#include "shell/activity_window.h"

#include "platform/ui/keys.h"
#include "shell/application.h"
#include "shell/help_menu.h"
#include "shell/hinfo1.h"
#include "shell/options_popup.h"
#include "shell/startfrm.h"
#include "shell/toolbar_picture.h"

namespace shell {

ActivityWindow::ActivityWindow(Application& app, std::string name)
    : ui::Form(app.runtime(), std::move(name)), app_(app) {
    setBorderStyle(ui::BorderStyle::FixedSingle);
    setMaxButton(false);
    setKeyPreview(true);  // F1, Esc and the window's keys wherever the focus is
    // Designed for the smaller screen display; full screen display scales it.
    Move(0, 0, 12000, 9000);
}

ActivityWindow::~ActivityWindow() = default;

void ActivityWindow::setUpActivity(ActivityParts parts) {
    background_ = &parts.background;
    backgroundRow_ = parts.backgroundRow;
    status_ = &parts.status;
    options_ = &parts.options;
    colors_ = std::make_unique<ColorOptions>(app_, *this, std::move(parts.colors), std::move(parts.colorPanels),
                                             &parts.status);
    topToolbar_ = std::make_unique<TopToolbar>(
        app_, *this, parts.topBar, parts.status, [this] { ExitWindow(); }, [this] { ShowHelp(); });
    topToolbar_->addButtons();
    for (const SideButton& button : parts.sideButtons)
        parts.sideBar.addButton({button.toolTip, button.toolTip, ToolbarPicture(app_, button.picture)});

    onLoad = [this] { LoadActivity(); };
    onActivate = [this] {
        placeControls();
        app_.runtime().doEvents();
        background().onActivate();
        status_->setPanelText(1, Caption());
        Form_Activate();
        app_.runtime().doEvents();
        EndWait(app_);
    };
    onUnload = [this](bool&) {
        Form_Unload();
        HandBack();
    };
    onKeyDown = [this](int& key, int shift) {
        if (key != ui::keys::F1) return Form_KeyDown(key, shift);
        key = 0;
        ShowHelp();
    };
    // The close box runs the same questions as the exit path instead of
    // dropping unsaved work without a word.
    onQueryUnload = [this](bool& cancel, ui::UnloadMode mode) {
        if (mode == ui::UnloadMode::CloseBox && !ConfirmExit()) cancel = true;
    };
    parts.help.onClick = [this] { ShowHelp(); };

    const PopUp popUp = [this] {
        if (options_->Enabled()) popUpOptions();
    };
    PopUpOnRightButton(*this, popUp);
    PopUpOnRightButton(parts.popUpControls, popUp);
}

FormBackground ActivityWindow::background() { return FormBackground(app_, *this, *background_, backgroundRow_); }

void ActivityWindow::LoadActivity() {
    TakeStartWindowPlace();
    background().onLoad();
    app_.runtime().doEvents();
    colors_->ApplyColors();
    Form_Load();
}

void ActivityWindow::sizeBackground() { background().sizePicture(); }

void ActivityWindow::TakeStartWindowPlace() {
    setElasticResize(!app_.vars.smallerScreen());
    const Startfrm& start = app_.window<Startfrm>();
    setTop(start.Top());
    setLeft(start.Left());
    setWidth(start.Width());
    setHeight(start.Height());
}

void ActivityWindow::HandBack() {
    // A start window closed meanwhile comes back with its whole start-up.
    Startfrm& start = app_.window<Startfrm>();
    if (start.windowState() != ui::WindowState::Maximized) {
        start.setTop(Top());
        start.setLeft(Left());
    }
    start.Show();
    app_.runtime().doEvents();
}

bool ActivityWindow::ConfirmExit() {
    if (!AskBeforeLeaving()) return false;
    auto& vars = app_.vars;
    vars.MessageAnswer = 0;
    if (colors_->ColorsChanged) colors_->AskSaveColors();
    const bool stays = vars.MessageAnswer == platform::answer::Cancel;
    vars.MessageAnswer = 0;
    return !stays;
}

void ActivityWindow::ExitWindow() {
    if (!ConfirmExit()) return;
    Unload();
    closedByExit_ = true;
}

void ActivityWindow::ShowHelp() {
    const int topic = helpTopic();
    setHelpContextID(topic);
    ShowHelpTopic(app_, topic);
}

void ActivityWindow::popUpOptions() {
    beforePopUp();
    app_.runtime().doEvents();
    PopupMenu(*options_);
    // Exit from the popup may have closed the window: then nothing of it is touched.
    if (!closedByExit_) afterPopUp();
    closedByExit_ = false;
}

}  // namespace shell
