// The food storage window: its making, loading, activation, keys, saving,
// leaving and registration.
#include "food_storage/storage_window.h"

#include <algorithm>
#include <cmath>

#include "food_storage/storage_categories.h"
#include "food_storage/storage_help.h"
#include "food_storage/storage_settings.h"
#include "platform/ui/keys.h"
#include "shell/grid_colors.h"
#include "shell/hinfo1.h"
#include "shell/main_panel.h"
#include "shell/toolbar_picture.h"

namespace food_storage {

namespace {

// The main panel's colour when its record names none: light grey.
constexpr ui::OleColor LightGrey = 12632256;
int Twips(double value) { return static_cast<int>(std::lround(value)); }

// The kind's own words in the caption.
const char* KindTitle(StorageKind kind) {
    switch (kind) {
        case StorageKind::Basic: return "Basic Food Storage";
        case StorageKind::Emergency: return "Emergency Storage";
        case StorageKind::Additional: return "Additional Storage [Could substitute for some sugar, fat, or lentils]";
    }
    return "";
}

}  // namespace

Form24::Form24(shell::Application& app) : shell::ActivityWindow(app, "Form24") {
    setCaption("Pantrivo - Basic Food Storage");
    design();
    namespace pictures = shell::pictures;
    setUpActivity({
        .background = *Image1,
        .backgroundRow = {true, true, false},
        .topBar = *Toolbar1,
        .status = *StatusBar1,
        .sideBar = *Toolbar2,
        .sideButtons = {{"Grid Background Selector", pictures::GridBackground},
                        {"Grid Text Color", pictures::TextColor},
                        {"Panel Color", pictures::PanelColor},
                        {"Clear Last Action Columns", pictures::Delete},
                        {"Copy", pictures::Copy},
                        {"Print", pictures::Print},
                        {"Help", pictures::Help},
                        {"Exit", pictures::Exit}},
        .colors = {StoragePanelColorRecord, LightGrey, "Save changes made to Panel and or Text Color?", {}},
        .colorPanels = {Panel3D1, Panel3D2, &chart1_->panel(), &chart2_->panel()},
        .options = *mO,
        .popUpControls = {Image1, Panel3D1, Panel3D4, Panel3D5, Panel3D6, Label1, Label2},
        .help = *mH,
    });
    wireEvents();
    wireGridBackgroundSelector();
    wirePreview();
}

Form24::~Form24() = default;

void Form24::wireEvents() {
    // Proportional resizing puts the controls back at their scaled design places.
    onResize = [this] {
        if (!Visible()) return;
        placeControls();
        placePreviewButtons();
    };
    mH->onClick = [this] { mH_Click(); };
    Grid1->onSelectCell = [this](int row, int col) { Grid1_SelectCell(row, col); };
    Grid1->onScrollTip = [this](int row) { return Grid1_RowCaption(row); };
    MonthView1->onDateClick = [this](const basic::CalendarDate& date) { MonthView1_DateClick(date); };
    MonthView1->onGotFocus = [this] { Grid1->setHighlight(true); };
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

std::string Form24::windowCaption() const {
    const std::string own =
        kind() == StorageKind::Additional ? KindTitle(kind()) : std::string("Pantrivo - ") + KindTitle(kind());
    const std::string& family = app_.vars.FamilyName;
    return family.empty() ? own : family + " Pantrivo - " + KindTitle(kind());
}

// --- loading

void Form24::Form_Load() {
    state_ = StorageWindowState();
    state_.EntryGuard = true;
    // Only the start window's choices set the kind; anything else is the emergency kind it offers.
    const int code = app_.vars.StorageKind;
    state_.document.kind = code >= 0 && code <= 2 ? static_cast<StorageKind>(code) : StorageKind::Emergency;
    topToolbar().disable(
        {kind() == StorageKind::Additional ? static_cast<shell::TopButton>(5) : shell::TopButton::EmergencyStorage});

    selector_->ApplyBackground();
    shell::ApplyGridTextColor(app_, StorageGridTextColorRecord, {Grid1, Grid2});
    ResetStorageState();
    for (ui::TextBox* box : {Text1, Text2}) box->setBackColor(Text3->BackColor());
    for (ui::Control* panel : std::initializer_list<ui::Control*>{Panel3D4, Panel3D5, Panel3D6})
        panel->setBackColor(Label4->BackColor());
    Panel3D2->setBackColor(Panel3D1->BackColor());
    chart1_->setBackColor(Panel3D1->BackColor());
    chart2_->setBackColor(Panel3D1->BackColor());
    Panel3D2->setVisible(false);
    chart1_->panel().setVisible(false);
    MonthView1->setVisible(false);

    WriteHeadings();
    setKindCaptions();
    SetCategoryRange(0);
    LoadStorageFile();
    ShowCategoryButtons();
    setAllViewControls(true);
    setCaption(windowCaption());
    MonthView1->setValue(MonthView1->Today());
    loadPrintSettings();
    state_.EntryGuard = false;
}

void Form24::setKindCaptions() {
    const auto captions = CategoryCaptions(kind());
    for (std::size_t i = 0; i < captions.size(); ++i) {
        Command3D1[i]->setVisible(captions[i] != nullptr);
        if (captions[i]) Command3D1[i]->setCaption(captions[i]);
    }
    mR->setVisible(kind() == StorageKind::Basic);
}

void Form24::LoadStorageFile() {
    LoadedStorage loaded = LoadStorage(app_.folder(), kind());
    state_.document.table = std::move(loaded.table);
    state_.document.numberInFamily = loaded.numberInFamily;
    state_.document.changed = false;
    const bool guard = state_.EntryGuard;
    state_.EntryGuard = true;
    Text2->setText(loaded.numberInFamily);
    state_.EntryGuard = guard;
    FillCategoryRows();
}

// --- activation

void Form24::placeControls() {
    shell::PlaceMainPanel(app_, *Panel3D1, *Toolbar1, *StatusBar1);
    sizeBackground();
    static constexpr double widths[StorageColumns] = {0.21, 0.09, 0.11, 0.11, 0.11, 0.12, 0.11, 0.11};
    for (int c = 0; c < StorageColumns; ++c) Grid1->setColWidth(c, Twips(Grid1->Width() * widths[c]));
    Grid1->setHeaderHeight(Twips(Grid1->Height() * 0.17));
}

void Form24::placePreviewButtons() {
    const int top = app_.vars.smallerScreen() ? 115 : 30;
    preview_->SSCommand1->setTop(top);
    preview_->SSCommand2->setTop(top);
}

void Form24::Form_Activate() {
    placePreviewButtons();
    preview_->RememberPreviewPlacement();
    topToolbar().Restore();
    Panel3D1->setVisible(true);
    focusExit();
}

void Form24::focusExit() {
    if (Command2->Visible() && Command2->Enabled()) Command2->SetFocus();
}

// --- keys

int Form24::helpTopic() const { return preview_->isOpen() ? shell::topics::PrintPreview : help::FoodStorage; }

void Form24::mH_Click() {
    HideDatePicker();
    ShowHelp();
}

// Esc closes the first thing open, in this order, and the window last.
void Form24::Form_KeyDown(int& keyCode, int /*shift*/) {
    if (keyCode != ui::keys::Escape) return;
    keyCode = 0;
    if (preview_->isOpen()) {
        if (preview_->enlarged()) preview_->SSCommand1_Click();
        else preview_->Cancel();
    } else if (state_.RollupShown) {
        Command3_Click();
    } else if (selector_->isOpen()) {
        selector_->Command16_Click(shell::GridBackgroundSelector::CancelChoice);
    } else {
        mOex_Click();
    }
}

// --- saving

void Form24::Command6_Click() {
    HideDatePicker();
    mOS_Click();
}

void Form24::mOS_Click() {
    shell::BeginWait(app_);
    static_cast<void>(SaveStorageFile());  // a failure is reported there and the table stays marked as changed
    shell::EndWait(app_);
}

bool Form24::SaveStorageFile() {
    // The save writes the All view, with the layout's marks set again.
    if (!state_.allView()) Command3D1_Click(0);
    state_.document.numberInFamily = Text2->Text();
    const bool saved = SaveStorageDocument(app_.folder(), state_.document, true);
    FillCategoryRows();
    if (!saved) {
        app_.dialogs().MessageBox({"Food Storage",
                                   "The Food Storage data could not be saved."
                                   "\r"
                                   "The files on disk are as they were before.",
                                   platform::MsgIcon::Exclamation, platform::MsgButtons::OK, 1});
    }
    return saved;
}

// --- leaving

void Form24::Command2_Click() {
    ExitWindow();
    if (!isLoaded()) state_.ClosedByExit = 9;
}

void Form24::mOex_Click() { Command2_Click(); }

bool Form24::AskBeforeLeaving() {
    HideDatePicker();
    auto& vars = app_.vars;
    vars.MessageAnswer = 0;
    if (state_.document.changed) {
        vars.MessageAnswer =
            app_.dialogs().MessageBox({"Food Storage", "Save changes made to Food Storage data before exiting?",
                                       platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel, 1});
        if (vars.MessageAnswer == platform::answer::Cancel) return false;
        if (vars.MessageAnswer == platform::answer::Yes) {
            shell::BeginWait(app_);
            const bool saved = SaveStorageFile();
            shell::EndWait(app_);
            // A table that could not be written stays on screen rather than being lost.
            if (!saved) return false;
        }
    }
    if (state_.ColorsChanged || colors().ColorsChanged) {
        colors().AskSaveColors();
        state_.ColorsChanged = colors().ColorsChanged = false;
    }
    return true;
}

void Form24::Form_Unload() {
    if (selector_->isOpen()) selector_->CloseBackgroundSelector();
    if (preview_->isOpen()) preview_->Cancel();
    ResetStorageState();
    state_ = StorageWindowState();
    app_.vars.StorageKind = 0;
}

// --- the Options popup

void Form24::beforePopUp() { mOCop->setVisible(mOCopy->Enabled()); }

// Not run when Exit from the popup closed the window.
void Form24::afterPopUp() {
    mOCop->setVisible(false);
    state_.ClosedByExit = 0;
}

// --- registration

void RegisterFoodStorage(shell::Application& app) {
    app.claimSettingsRecords(StorageSettingsRecords);
    app.claimHelpTopics(help::Topics);
    app.registerActivityWindow(shell::Activity::FoodStorage, &Form24::mOex_Click);
}

}  // namespace food_storage
