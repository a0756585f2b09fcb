// The shopping list window: its making, loading, activation, keys, leaving
// and registration.
#include "shopping/shoplist.h"

#include <cmath>

#include "platform/basic/atomic_write.h"
#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "shell/grid_colors.h"
#include "shell/hinfo1.h"
#include "shell/main_panel.h"
#include "shell/settings_files.h"
#include "shell/toolbar_picture.h"
#include "shopping/shopping_help.h"
#include "shopping/shopping_settings.h"

namespace shopping {

namespace {

// The main panel's colour when its record names none.
constexpr ui::OleColor DarkCyan = 8421376;
// A vertical scroll bar and the grid's borders, in twips.
constexpr int GridScrollBarRoom = 330;
int Twips(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

Shoplist::Shoplist(shell::Application& app) : shell::ActivityWindow(app, "Shoplist") {
    setCaption("Pantrivo - Shopping List Maker");
    design();
    namespace pictures = shell::pictures;
    setUpActivity({
        .background = *Image1,
        .backgroundRow = {true, true, false},
        .topBar = *Toolbar1,
        .status = *StatusBar1,
        .sideBar = *Toolbar2,
        .sideButtons = {{"New Shopping List", pictures::NewList},
                        {"Open Existing List", pictures::OpenList},
                        {"Delete Existing List", pictures::Delete},
                        {"Grid Background Selector", pictures::GridBackground},
                        {"Grid Text Color", pictures::TextColor},
                        {"Panel Color", pictures::PanelColor},
                        {"Copy", pictures::Copy},
                        {"Print Worksheet", pictures::Worksheet},
                        {"Print", pictures::Print},
                        {"Help", pictures::Help},
                        {"Exit", pictures::Exit}},
        .colors = {ShoppingPanelColorRecord, DarkCyan, "Save changes made to Panel and or Text Color?", {}},
        .colorPanels = {Panel3D1},
        .options = *mO,
        .popUpControls = {Image1, Panel3D1, Grid1, Panel3D5, Panel3D6, Panel3D7, SSPanel2, SSPanel3, SSPanel4, Label1,
                          Label4, Label5, Label6, Label7},
        .help = *mH,
    });
    wireEvents();
    wirePreview();
    wireSelectScreens();
    wireGridBackgroundSelector();
}

Shoplist::~Shoplist() = default;

void Shoplist::wireEvents() {
    onKeyPress = [this](int& key) { Form_KeyPress(key); };
    // Proportional resizing puts the controls back at their scaled design places.
    onResize = [this] {
        if (!Visible()) return;
        placeControls();
        placePreviewButtons();
    };
    mH->onClick = [this] { mH_Click(); };
    for (int i = 0; i < 3; ++i) {
        Text1[static_cast<std::size_t>(i)]->onKeyUp = [this, i](int& key, int shift) { Text1_KeyUp(i, key, shift); };
    }
    Combo1->onDropDown = [this] { Combo1_DropDown(); };
    Grid1->onSelectCell = [this](int row, int col) { Grid1_SelectCell(row, col); };
    Grid1->onAfterSort = [this](int col) { Grid1_AfterSort(col); };
    Grid1->onScrollTip = [this](int row) { return Grid1_BeforeScrollTip(row); };
    Grid1->onGotFocus = [this] { Grid1_GotFocus(); };
    MonthView1->onDateClick = [this](const basic::CalendarDate& date) { MonthView1_DateClick(date); };
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

std::string Shoplist::windowCaption() const {
    const std::string own = "Pantrivo - Shopping List Maker";
    return app_.vars.FamilyName.empty() ? own : app_.vars.FamilyName + " " + own;
}

// --- loading

void Shoplist::Form_Load() {
    state_ = ShoplistState();
    topToolbar().disable({shell::TopButton::ShoppingListMaker});
    quick_->ClearSelections();
    setCaption(windowCaption());
    LoadMasterItems();
    list_ = ShoppingList();
    SetUpItemGrid();
    ShowList();
    CkbkTitle();

    // The grid looks as the colour options left the grids every window shares.
    selector_->ApplyBackground();
    shell::ApplyGridTextColor(app_, shell::settings::SharedGridTextColorRecord, {Grid1});
    recipe_->Label8->setCaption("Ingredients => Amount Needed:");
    for (ui::Control* panel : std::initializer_list<ui::Control*>{Panel3D5, Panel3D6, Panel3D7, SSPanel2, SSPanel3,
                                                                  SSPanel4, quick_->SSPanel1, recipe_->SSPanel5})
        panel->setBackColor(Label3->BackColor());
    loadPrintSettings();

    // A missing record gives the first cookbook rather than none at all.
    LoadListCookbook(app_);
    checkListCookbook();

    for (ui::Control* box : std::initializer_list<ui::Control*>{Text1[ItemBox], Text1[AmountBox], Text1[DateBox],
                                                                Combo1, recipe_->Combo2, recipe_->Combo3})
        box->setBackColor(Text2->BackColor());
    MonthView1->setValue(MonthView1->Today());
    Text1[DateBox]->setText(TodayText());
    CoverKeypad(true);
}

void Shoplist::CkbkTitle() {
    const auto captions = CookbookMenuCaptions(app_);
    for (std::size_t k = 0; k < captions.size(); ++k) mOCB1[k]->setCaption(captions[k]);
}

std::string Shoplist::TodayText() const { return DateBoxText(MonthView1->Today()); }

// --- activation

void Shoplist::placeControls() {
    shell::PlaceMainPanel(app_, *Panel3D1, *Toolbar1, *StatusBar1);
    sizeBackground();
    // The columns share the room a vertical scroll bar leaves, so a long list never scrolls sideways.
    const double room = Grid1->Width() - GridScrollBarRoom;
    Grid1->setColWidth(0, Twips(room * 0.54));
    Grid1->setColWidth(1, Twips(room * 0.46));
}

void Shoplist::placePreviewButtons() {
    const int top = app_.vars.smallerScreen() ? 115 : 30;
    preview_->SSCommand1->setTop(top);
    preview_->SSCommand2->setTop(top);
}

void Shoplist::Form_Activate() {
    placePreviewButtons();
    preview_->RememberPreviewPlacement();
    topToolbar().Restore();
    Panel3D1->setVisible(true);
    Grid1->setRow(1);
    Grid1->setCol(0);
    if (list_.Row(1).item.empty()) SetSaveGroup(false);
    if (Command1[ExitButton]->Enabled()) Command1[ExitButton]->SetFocus();
}

// --- keys

int Shoplist::helpTopic() const {
    if (preview_->isOpen()) return shell::topics::PrintPreview;
    if (quick_->isOpen()) return help::QuickSelect;
    if (recipe_->isOpen()) return help::RecipeSelect;
    return help::ShoppingList;
}

void Shoplist::mH_Click() {
    HideDatePicker();
    ShowHelp();
}

// Esc closes the first thing open, in this order, and the window last.
void Shoplist::Form_KeyPress(int& keyAscii) {
    if (keyAscii != ui::keys::Escape) return;
    keyAscii = 0;
    if (preview_->isOpen()) {
        if (preview_->enlarged()) preview_->SSCommand1_Click();
        else preview_->Cancel();
    } else if (quick_->isOpen() || recipe_->isOpen()) {
        LeaveSelectScreen();
    } else if (state_.DatePickerShown) {
        HideDatePicker();
    } else if (selector_->isOpen()) {
        selector_->Command16_Click(shell::GridBackgroundSelector::CancelChoice);
    } else {
        mOex_Click();
    }
}

// --- leaving

void Shoplist::mOex_Click() {
    ExitWindow();
    if (!isLoaded()) state_.ClosedByExit = 9;
}

bool Shoplist::AskBeforeLeaving() {
    auto& vars = app_.vars;
    vars.MessageAnswer = 0;
    if (state_.ListChanged) {
        vars.MessageAnswer =
            app_.dialogs().MessageBox({"Grocery List", "Save changes made to Grocery Item Grid before exiting?",
                                       platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel, 1});
        if (vars.MessageAnswer == platform::answer::Cancel) {
            vars.MessageAnswer = 0;
            return false;
        }
        if (vars.MessageAnswer == platform::answer::Yes) {
            shell::BeginWait(app_);
            const SaveResult saved = SaveListFile();
            shell::EndWait(app_);
            // A list that could not be written stays on screen rather than being lost.
            if (saved == SaveResult::Failed || saved == SaveResult::NoDate) return false;
        }
    }
    // The grid's colours are asked about with the panel's, in one question, and saved with it.
    if (state_.ColorsChanged || colors().ColorsChanged) {
        colors().AskSaveColors();
        state_.ColorsChanged = colors().ColorsChanged = false;
    }
    return true;
}

void Shoplist::Form_Unload() {
    // The next opening starts with no panel over the main panel.
    LeaveSelectScreen();
    if (selector_->isOpen()) selector_->CloseBackgroundSelector();
    state_ = ShoplistState();
    list_ = ShoppingList();
    master_ = ItemMasterList();
}

// --- the Options popup

void Shoplist::beforePopUp() { mOCopy->setVisible(!list_.Row(1).item.empty()); }

// Not run when Exit from the popup closed the window.
void Shoplist::afterPopUp() {
    mOCopy->setVisible(false);
    state_.ClosedByExit = 0;
}

// --- registration

void RegisterShoppingList(shell::Application& app) {
    app.claimSettingsRecords(ShoppingSettingsRecords);
    app.claimHelpTopics(help::Topics);
    app.registerActivityWindow(shell::Activity::ShoppingList, &Shoplist::mOex_Click);
}

}  // namespace shopping
