#include "shell/startfrm.h"

#include <cmath>

#include "platform/basic/text.h"
#include "shell/about1.h"
#include "shell/form_background.h"
#include "shell/help_menu.h"
#include "shell/hinfo1.h"
#include "shell/maker.h"
#include "shell/options_popup.h"
#include "shell/settings_files.h"

namespace shell {

using platform::MsgButtons;
using platform::MsgIcon;
using ui::WindowState;

namespace {
constexpr int SmallerWidth = 12000;
constexpr int SmallerHeight = 9000;
constexpr int MinimumScreenWidth = 9945;
constexpr int MinimumScreenHeight = 7590;

// Centres a length in another, as the window and panel placement reckon it.
int CentredStart(double outer, double inner, double offset = 0) {
    return static_cast<int>(std::lround(outer / 2 - inner / 2 + offset));
}
}  // namespace

Startfrm::Startfrm(Application& app) : ui::Form(app.runtime(), "Startfrm"), app_(app) {
    setCaption(ProductName);
    setBorderStyle(ui::BorderStyle::FixedSingle);
    Move(0, 0, SmallerWidth, SmallerHeight);
    setBackColor(ui::colors::PureBlue);
    setHelpContextID(topics::ProgramOverview);
    design();
    // Without its picture the panel still shows the title and the buttons.
    static_cast<void>(Image2->LoadPicture(app_.folder().Resolve("StartEmblem.jpg")));
    wireEvents();
}

void Startfrm::wireEvents() {
    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
    onResize = [this] { Form_Resize(); };

    const PopUp options = PopUpMenu(*this, *mO);
    PopUpOnRightButton(*this, options);
    PopUpOnRightButton({Image2, Label1, Label2, Label3, Panel3D7}, options);
    PopUpOnRightButton(SSCommand1, options);
}

void Startfrm::Form_Load() {
    auto& vars = app_.vars;
    // Every file is opened by its full path: a folder that cannot be made current changes nothing.
    static_cast<void>(app_.folder().MakeCurrent());
    BeginWait(app_);
    const std::string mode = settings::ReadText(app_.folder(), settings::DisplayModeRecord).value_or("");
    // The mode is set before the state, so the resize the state change causes switches nothing.
    if (basic::Left(mode, 3) == "Yes") {
        vars.DisplayMode = SmallerScreenDisplay;
        setWindowState(WindowState::Normal);
    } else {
        vars.DisplayMode = FullScreenDisplay;
        setWindowState(WindowState::Maximized);
    }
    app_.runtime().doEvents();
    Fm1a();
    vars.StartHeight = Height();
    vars.StartWidth = Width();
    LoadFamilyName();
    Panel3D7->setBackColor(Label1->BackColor());
    EndWait(app_);
}

void Startfrm::Fm1a() {
    const auto screen = app_.display().Screen();
    if (screen.width < MinimumScreenWidth || screen.height < MinimumScreenHeight) {
        if (screenCheckRunning_) return;
        screenCheckRunning_ = true;
        app_.dialogs().MessageBox(
            {"Program Display Option",
             "Monitor Resolution Settings (Screen Area) and Program Size requirements are at least 800 by 600 or "
             "Higher.\rIf you do not set your screen resolution to this setting or higher this program will not "
             "function properly!",
             MsgIcon::Information, MsgButtons::OK, 1});
        mOPF_Click();
        screenCheckRunning_ = false;
    } else if (app_.vars.smallerScreen()) {
        setWidth(SmallerWidth);
        setHeight(SmallerHeight);
        setTop(CentredStart(screen.height, Height()));
        setLeft(CentredStart(screen.width, Width()));
    }
}

void Startfrm::LoadFamilyName() {
    app_.vars.FamilyName.clear();
    if (auto name = settings::ReadShownText(app_.folder(), settings::FamilyNameRecord)) app_.vars.FamilyName = *name;
    updateCaption();
    ApplyStartBackground();
}

void Startfrm::updateCaption() {
    const auto& name = app_.vars.FamilyName;
    setCaption(name.empty() ? std::string(ProductName) : name + " " + ProductName);
}

void Startfrm::centrePanel() {
    Panel3D7->setTop(CentredStart(app_.vars.StartHeight, Panel3D7->Height(), -360));
    Panel3D7->setLeft(CentredStart(app_.vars.StartWidth, Panel3D7->Width()));
}

void Startfrm::Form_Activate() {
    auto& vars = app_.vars;
    BeginWait(app_);
    vars.StartWidth = Width();
    vars.StartHeight = Height();
    centrePanel();
    if (auto color = ColorValueOf(vars.MainBackground)) setBackColor(*color);
    vars.OptionSwitch = 0;
    if (!app_.isActivityOpen(Activity::FoodStorage)) vars.StorageKind = 0;
    static_cast<void>(app_.folder().MakeCurrent());  // as at loading
    Command1->SetFocus();
    app_.runtime().doEvents();
    Panel3D7->setVisible(true);
    EndWait(app_);
}

void Startfrm::Form_Resize() {
    auto& vars = app_.vars;
    if (windowState() == WindowState::Normal && !vars.smallerScreen()) {
        mOPS_Click();  // the user restored the maximised window
    } else if (windowState() == WindowState::Maximized && vars.smallerScreen()) {
        mOPF_Click();  // the user maximised the window
    }
    vars.StartHeight = Height();
    vars.StartWidth = Width();
    centrePanel();
}

void Startfrm::mO_Click() {
    app_.runtime().doEvents();
    if (app_.vars.smallerScreen()) {
        mOPS->setChecked(true);
    } else {
        mOPF->setChecked(true);
    }
}

void Startfrm::mOP_Click() { mO_Click(); }

void Startfrm::mOPF_Click() {
    if (mOPF->Checked()) return;
    mOPS->setChecked(false);
    mOPF->setChecked(true);
    // A mode that cannot be stored still switches now; the next start uses the old one.
    static_cast<void>(settings::WriteText(app_.folder(), settings::DisplayModeRecord, "No"));
    Form_Load();
}

void Startfrm::mOPS_Click() {
    if (mOPS->Checked()) return;
    mOPF->setChecked(false);
    mOPS->setChecked(true);
    // As for full screen display: the switch happens, stored or not.
    static_cast<void>(settings::WriteText(app_.folder(), settings::DisplayModeRecord, "Yes"));
    Form_Load();
}

void Startfrm::mON_Click() {
    AskFamilyName(app_);
    updateCaption();
}

void Startfrm::mOe_Click() {
    // Each open window asks its own questions first; a Cancel keeps it, and the program.
    if (app_.closeActivities()) app_.runtime().end();
}

void Startfrm::openActivity(Activity activity) {
    // An activity window ends the busy pointer when it is on screen; where
    // there is none, nothing else would.
    if (!app_.showActivity(activity)) EndWait(app_);
}

void Startfrm::mRF_Click() { openActivity(Activity::RecipeFile); }
void Startfrm::mRFG_Click() { openActivity(Activity::FoodGuide); }
void Startfrm::mRC_Click() { openActivity(Activity::MeasurementGuide); }
void Startfrm::mRMenu_Click() { openActivity(Activity::MenuPlanner); }
void Startfrm::mRS_Click() { openActivity(Activity::ShoppingList); }

void Startfrm::mREmerg_Click() {
    app_.vars.StorageKind = 1;
    openActivity(Activity::FoodStorage);
}

// Help arrives with the help viewer; until then these items do nothing.
void Startfrm::mHCont_Click() { ShowHelpContents(app_); }
void Startfrm::mHI_Click() { ShowHelpTopic(app_, topics::ProgramOverview); }

void Startfrm::mHA_Click() { app_.window<About1>().ShowModal(); }

void Startfrm::mHWeb_Click() {
    EndWait(app_);
    app_.desktopShell().ShellOpen({hWnd(), "Open", MakerWebSiteAddress, "0", "0", 0});
}

void Startfrm::SSCommand1_Click(int index) {
    // The five buttons up to the shopping list open a window: busy until it shows.
    if (index <= ShoppingListButton) {
        BeginWait(app_);
    } else {
        EndWait(app_);
    }
    switch (index) {
        case RecipeFileButton: mRF_Click(); break;
        case FoodGuideButton: mRFG_Click(); break;
        case MeasurementGuideButton: mRC_Click(); break;
        case MenuPlannerButton: mRMenu_Click(); break;
        case ShoppingListButton: mRS_Click(); break;
        case WebSiteButton: mHWeb_Click(); break;
        case HelpButton: mHCont_Click(); break;
        case ExitButton: mOe_Click(); break;
        case EmergencyStorageButton: mREmerg_Click(); break;
        default: break;
    }
}

}  // namespace shell
