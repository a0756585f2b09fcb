#include "shell/startfrm.h"

#include <cmath>

#include "platform/basic/text.h"
#include "shell/about1.h"
#include "shell/form_background.h"
#include "shell/hinfo1.h"
#include "shell/maker.h"
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
    designControls();
    designMenus();
    wireEvents();
}

void Startfrm::designControls() {
    Label1 = &add<ui::Label>("Label1");  // keeps the desktop's default colour for reference
    Label1->setVisible(false);
    Label1->setBackColor(ui::colors::ButtonFace);

    Panel3D7 = &add<ui::Panel>("Panel3D7");
    Panel3D7->Move(2300, 1540, 7400, 5160);
    Panel3D7->setVisible(false);  // shown once centred, at activation

    const ui::OleColor titleBlue = ui::Rgb(0, 0, 160);
    Image2 = &add<ui::Image>("Image2", -1, Panel3D7);
    Image2->Move(500, 240, 1050, 1050);
    // Without its picture the panel still shows the title and the buttons.
    static_cast<void>(Image2->LoadPicture(app_.folder().Resolve("StartEmblem.jpg")));

    Label3 = &add<ui::Label>("Label3", -1, Panel3D7);
    Label3->Move(1800, 200, 5100, 780);
    Label3->setCaption(ProductName);
    Label3->setFont({"Arial", 30, true});
    Label3->setForeColor(titleBlue);
    Label3->setTransparent(true);

    Label2 = &add<ui::Label>("Label2", -1, Panel3D7);
    Label2->Move(1830, 960, 5000, 420);
    Label2->setCaption(ProductVersion);
    Label2->setFont({"Arial", 14, true});
    Label2->setForeColor(titleBlue);
    Label2->setTransparent(true);

    static constexpr std::array<const char*, 9> captions{
        "&Recipe File",  "&Food Guide", "Food &Meas. Guide",  "Menu &Planner",      "&Shopping List Maker",
        "&Web Site",     "&Help",       "E&xit",              "&Emergency Storage",
    };
    // index: column and row on the panel
    static constexpr std::array<std::array<int, 2>, 9> cells{{
        {0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {1, 2}, {0, 2}, {2, 2}, {2, 1},
    }};
    static constexpr std::array<int, 3> lefts{500, 2800, 5100};
    static constexpr std::array<int, 3> tops{1553, 2723, 3878};
    for (int i = 0; i < 9; ++i) {
        auto& button = add<ui::CommandButton>("SSCommand1", i, Panel3D7);
        button.Move(lefts[cells[i][0]], tops[cells[i][1]], 1800, 885);
        button.setCaption(captions[i]);
        button.setFont({"Arial", 9, true});
        button.setTabIndex(i + 1);
        SSCommand1[i] = &button;
    }

    Command1 = &add<ui::CommandButton>("Command1");  // off screen: takes the focus at activation
    Command1->Move(-100, -104, 90, 90);
    Command1->setTabIndex(0);
}

void Startfrm::designMenus() {
    mO = &addMenu("mO", "&Options");
    mOBC = &mO->add("mOBC", "&Background Color");
    mOP = &mO->add("mOP", "&Program Display");
    mOPF = &mOP->add("mOPF", "&Full Screen Display");
    mOPS = &mOP->add("mOPS", "&Smaller Screen Display");
    mO->addSeparator();
    mON = &mO->add("mON", "&Family Name");
    mO->addSeparator();
    mOe = &mO->add("mOe", "E&xit");

    mR = &addMenu("mR", "&Recipe Files");
    mRF = &mR->add("mRF", "&Recipe File");
    mR->addSeparator();
    mRFG = &mR->add("mRFG", "&Food Guide");
    mR->addSeparator();
    mRC = &mR->add("mRC", "Food &Measurement Guide");
    mR->addSeparator();
    mRMenu = &mR->add("mRMenu", "Menu &Planner");
    mR->addSeparator();
    mRS = &mR->add("mRS", "&Shopping List Maker");
    mR->addSeparator();
    mREmerg = &mR->add("mREmerg", "&Emergency Storage");

    mH = &addMenu("mH", "&Help");
    mHCont = &mH->add("mHCont", "&Help Contents");
    mHI = &mH->add("mHI", "&Program Overview");
    mH->addSeparator();
    mHA = &mH->add("mHA", "&About Pantrivo");
    mH->addSeparator();
    mHWeb = &mH->add("mHWeb", std::string("&") + MakerWebSiteName);
}

void Startfrm::wireEvents() {
    onLoad = [this] { Form_Load(); };
    onActivate = [this] { Form_Activate(); };
    onResize = [this] { Form_Resize(); };
    mO->onClick = [this] { mO_Click(); };
    mOP->onClick = [this] { mOP_Click(); };
    mOBC->onClick = [this] { mOBC_Click(); };
    mOPF->onClick = [this] { mOPF_Click(); };
    mOPS->onClick = [this] { mOPS_Click(); };
    mON->onClick = [this] { mON_Click(); };
    mOe->onClick = [this] { mOe_Click(); };
    mRF->onClick = [this] { mRF_Click(); };
    mRFG->onClick = [this] { mRFG_Click(); };
    mRC->onClick = [this] { mRC_Click(); };
    mRMenu->onClick = [this] { mRMenu_Click(); };
    mRS->onClick = [this] { mRS_Click(); };
    mREmerg->onClick = [this] { mREmerg_Click(); };
    mHCont->onClick = [this] { mHCont_Click(); };
    mHI->onClick = [this] { mHI_Click(); };
    mHA->onClick = [this] { mHA_Click(); };
    mHWeb->onClick = [this] { mHWeb_Click(); };
    for (int i = 0; i < 9; ++i) SSCommand1[i]->onClick = [this, i] { SSCommand1_Click(i); };
}

void Startfrm::Form_Load() {
    auto& vars = app_.vars;
    // Every file is opened by its full path: a folder that cannot be made current changes nothing.
    static_cast<void>(app_.folder().MakeCurrent());
    BeginWait(app_);
    const std::string mode = settings::ReadText(app_.folder(), settings::DisplayModeRecord).value_or("");
    // The mode is set before the state, so the resize the state change causes switches nothing.
    if (basic::Left(mode, 3) == "Yes") {
        vars.DisplayMode = 9;
        setWindowState(WindowState::Normal);
    } else {
        vars.DisplayMode = 0;
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
    } else if (app_.vars.DisplayMode == 9) {
        setWidth(SmallerWidth);
        setHeight(SmallerHeight);
        setTop(CentredStart(screen.height, Height()));
        setLeft(CentredStart(screen.width, Width()));
    }
}

void Startfrm::LoadFamilyName() {
    app_.vars.FamilyName.clear();
    if (auto name = settings::ReadText(app_.folder(), settings::FamilyNameRecord)) app_.vars.FamilyName = *name;
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
    if (!app_.isFoodStorageOpen()) vars.StorageKind = 0;
    static_cast<void>(app_.folder().MakeCurrent());  // as at loading
    Command1->SetFocus();
    app_.runtime().doEvents();
    Panel3D7->setVisible(true);
    EndWait(app_);
}

void Startfrm::Form_Resize() {
    auto& vars = app_.vars;
    if (windowState() == WindowState::Normal && vars.DisplayMode == 0) {
        mOPS_Click();  // the user restored the maximised window
    } else if (windowState() == WindowState::Maximized && vars.DisplayMode == 9) {
        mOPF_Click();  // the user maximised the window
    }
    vars.StartHeight = Height();
    vars.StartWidth = Width();
    centrePanel();
}

void Startfrm::mO_Click() {
    app_.runtime().doEvents();
    if (app_.vars.DisplayMode == 9) {
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

void Startfrm::mOe_Click() { app_.runtime().end(); }

void Startfrm::openActivity(Activity activity) {
    // An activity window ends the busy pointer when it is on screen; where
    // there is none, nothing else would.
    if (!app_.ShowActivity(activity)) EndWait(app_);
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
void Startfrm::mHCont_Click() {}
void Startfrm::mHI_Click() {}

void Startfrm::mHA_Click() { app_.about1().ShowModal(); }

void Startfrm::mHWeb_Click() {
    EndWait(app_);
    app_.desktopShell().ShellOpen({hWnd(), "Open", MakerWebSiteAddress, "0", "0", 0});
}

void Startfrm::SSCommand1_Click(int index) {
    if (index <= 4) {
        BeginWait(app_);
    } else {
        EndWait(app_);
    }
    switch (index) {
        case 0: mRF_Click(); break;
        case 1: mRFG_Click(); break;
        case 2: mRC_Click(); break;
        case 3: mRMenu_Click(); break;
        case 4: mRS_Click(); break;
        case 5: mHWeb_Click(); break;
        case 6: mHCont_Click(); break;
        case 7: mOe_Click(); break;
        case 8: mREmerg_Click(); break;
        default: break;
    }
}

}  // namespace shell
