// The menu planner window: its making, loading, activation, keys, leaving
// and registration.
#include "menu_planner/menu_planner_window.h"

#include "menu_planner/day_text.h"
#include "menu_planner/menu_planner_help.h"
#include "menu_planner/menu_planner_settings.h"
#include "platform/ui/keys.h"
#include "printing/print_font.h"
#include "shell/hinfo1.h"
#include "shell/main_panel.h"
#include "shell/toolbar_picture.h"

namespace menu_planner {

namespace {

// The panels' colour when the record names none: light grey.
constexpr ui::OleColor LightGrey = 12632256;

}  // namespace

Meal MealOfBox(int box) { return static_cast<Meal>(box / Zcalandar::LinesPerMeal + 1); }

Zcalandar::Zcalandar(shell::Application& app) : shell::ActivityWindow(app, "Zcalandar") {
    setCaption("Pantrivo - Menu Planner");
    design();
    namespace pictures = shell::pictures;
    setUpActivity({
        .background = *Image1,
        .backgroundRow = {true, true, false},
        .topBar = *Toolbar1,
        .status = *StatusBar1,
        .sideBar = *Toolbar2,
        .sideButtons = {{"Panel Color", pictures::PanelColor},
                        {"Text Color", pictures::TextColor},
                        {"Edit Lists", pictures::OpenList},
                        {"Clear Entries", pictures::Delete},
                        {"Copy", pictures::Copy},
                        {"Print", pictures::Print},
                        {"Calendar Display Options", "toolbar/menu_planner.png"},
                        {"Help", pictures::Help},
                        {"Exit", pictures::Exit}},
        .colors = {PanelColorRecord, LightGrey, "Save changes made to Panel and or Text Color?", {}},
        .colorPanels = {Panel3D1, SSPanel4, SSPanel5},
        .options = *mO,
        .popUpControls = {Image1, Panel3D1, SSPanel1, SSPanel2, SSPanel4, SSPanel5, Label1[0], Label1[1], Label1[2]},
        .help = *mH,
    });
    Timer1->setInterval(1000);
    wireEvents();
    wirePrinting();
}

Zcalandar::~Zcalandar() = default;

void Zcalandar::wireEvents() {
    onKeyPress = [this](int& key) { Form_KeyPress(key); };
    onResize = [this] {
        if (!Visible()) return;
        placeControls();
        placePreviewButtons();
    };
    mH->onClick = [this] { mH_Click(); };
    Timer1->onTimer = [this] { Timer1_Timer(); };
    MonthView1->onSelChange = [this](const basic::CalendarDate& start, const basic::CalendarDate& end, bool& cancel) {
        MonthView1_SelChange(start, end, cancel);
    };
    Combo4->onDropDown = [this] { Combo4_DropDown(); };
    Toolbar2->onButtonClick = [this](int button) { Toolbar2_ButtonClick(button); };
    StatusBar1->onPanelClick = [this](int panel) {
        if (panel == 2) Toolbar1->setVisible(true);
        if (panel == 3) {
            Toolbar2->setVisible(true);
            Toolbar3->setVisible(true);
        }
        if (panel == 2 || panel == 3) StatusBar1->setPanelVisible(panel, false);
    };
}

std::string Zcalandar::windowCaption() const {
    const std::string own = "Pantrivo - Menu Planner";
    return app_.vars.FamilyName.empty() ? own : app_.vars.FamilyName + " " + own;
}

// --- loading

void Zcalandar::Form_Load() {
    state_ = MenuPlannerState();
    topToolbar().disable({shell::TopButton::MenuPlanner});
    setCaption(windowCaption());
    applyTextColor();
    Timer1_Timer();
    MonthView1->setValue(MonthView1->Today());
    LoadDayMenu();
    state_.EntriesChanged = false;
    for (ui::Control* panel : std::initializer_list<ui::Control*>{MonthView1, SSPanel1, SSPanel2, SSPanel6, Panel3D3,
                                                                  SSFrame6[0], SSFrame6[1], SSFrame6[2], SSFrame6[3]})
        panel->setBackColor(Label2->BackColor());
    // The options take the colour of the frames they lie in.
    for (ui::Control* child : SSPanel6->children())
        for (ui::Control* option : child->children()) option->setBackColor(Label2->BackColor());
    PrintViewPanel& view = *printView_;
    for (ui::Control* part : std::initializer_list<ui::Control*>{view.SSPanel3, view.SSFrame1, view.SSOption1[0],
                                                                 view.SSOption1[1], view.Label5})
        part->setBackColor(Label2->BackColor());
    for (ui::Control* box : std::initializer_list<ui::Control*>{Combo1, Combo2, Combo3, Combo4, Text2})
        box->setBackColor(Text3->BackColor());
    ShowCalendarOptions();
    ShowDateCaption();
    UnlockEntryBoxes();
    LoadMealLists();
    printView_->FillDayCounts();
    preview_->LoadGuideLineOption();
    preview_->StartPortrait();
    auto& print = app_.state<printing::PrintFontSettings>();
    print.PrintFontColor = Text1[0]->ForeColor();
    print.PrintFontUnderline = false;
    print.PrintFontStrikethru = false;
}

// The entry boxes' text colour, when the record names one.
void Zcalandar::applyTextColor() {
    const auto stored = shell::settings::ReadText(app_.folder(), TextColorRecord);
    if (!stored) return;
    const auto color = shell::ColorFromText(*stored);
    if (!color) return;
    for (ui::TextBox* box : Text1) box->setForeColor(*color);
}

// --- activation

void Zcalandar::placeControls() {
    shell::PlaceMainPanel(app_, *Panel3D1, *Toolbar1, *StatusBar1);
    sizeBackground();
    // Its width follows the months shown.
    MonthView1->setLeft(SSPanel1->Width() / 2 - MonthView1->Width() / 2);
}

// The preview keeps its designed width at every activation.
void Zcalandar::Form_Activate() {
    placePreviewButtons();
    preview_->RememberPreviewPlacement();
    topToolbar().Restore();
    ApplyCalendarOptions();
    Panel3D1->setVisible(true);
}

// --- keys

int Zcalandar::helpTopic() const { return preview_->isOpen() ? shell::topics::PrintPreview : help::MenuPlanner; }

void Zcalandar::mH_Click() { ShowHelp(); }

// Esc closes the first panel open, in this order, and the window last.
void Zcalandar::Form_KeyPress(int& keyAscii) {
    if (keyAscii != ui::keys::Escape) return;
    keyAscii = 0;
    if (preview_->isOpen()) {
        if (preview_->enlarged()) preview_->SSCommand1_Click();
        else preview_->Cancel();
    } else if (state_.EditListOpen != EditList::None) {
        Command11_Click();
    } else if (printView_->isOpen()) {
        printView_->Command13_Click();
    } else if (state_.OptionsOpen) {
        Command14_Click();
    } else {
        mOe_Click();
    }
}

// --- the clock

void Zcalandar::Timer1_Timer() { SSPanel5->setCaption(ClockText(app_.clock().Now())); }

// --- leaving

void Zcalandar::Command2_Click() {
    HideItemLists();
    ExitWindow();
    if (!isLoaded()) state_.ClosedByExit = 9;
}

void Zcalandar::mOe_Click() { Command2_Click(); }

bool Zcalandar::AskBeforeLeaving() {
    app_.vars.MessageAnswer = 0;
    // The colours' question follows in the base, the text colour's with the panel's.
    return !state_.EntriesChanged || AskSaveOnExit();
}

void Zcalandar::Form_Unload() { state_ = MenuPlannerState(); }

// --- the Options popup

void Zcalandar::beforePopUp() { mOCopy->setVisible(mECopy->Enabled()); }

// Not run when Exit from the popup closed the window.
void Zcalandar::afterPopUp() {
    mOCopy->setVisible(false);
    state_.ClosedByExit = 0;
}

// --- registration

void RegisterMenuPlanner(shell::Application& app) {
    app.claimSettingsRecords(CalendarOptionRecords);
    app.claimSettingsRecords(ColorAndPrintRecords);
    app.claimHelpTopics(help::Topics);
    app.registerActivityWindow(shell::Activity::MenuPlanner, &Zcalandar::mOe_Click);
}

}  // namespace menu_planner
