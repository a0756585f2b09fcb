// The recipe window's loading, activation, keys and unloading.
#include <cmath>

#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "recipes/recipe_window.h"
#include "shell/grid_colors.h"
#include "shell/hinfo1.h"
#include "shell/main_panel.h"

namespace recipes {

namespace {
int Twips(double value) { return static_cast<int>(std::lround(value)); }
}  // namespace

std::vector<ui::Control*> Form5::editorBoxes() {
    std::vector<ui::Control*> boxes;
    for (int line = 0; line < IngredientLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        boxes.insert(boxes.end(), {Text1[i], Text4[i], Text5[i]});
    }
    boxes.insert(boxes.end(), {Text2,  Text3,  Text6,  Text7,  Text8,  Text9,  Text10, Text12,  Text13,  Text14,
                               Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Combo7, Label20, Label21, Label24});
    return boxes;
}

void Form5::Form_Load() {
    state_.SaveAnswer = 0;
    // The result grids look as the shopping list's colour options left the shared grids.
    shell::ApplyGridBackground(app_, shell::settings::SharedGridBackgroundRecord, {Grid1, Grid2});
    shell::ApplyGridTextColor(app_, shell::settings::SharedGridTextColorRecord, {Grid1, Grid2});
    LoadCookbookTitles();
    // Further on a step that fails is skipped and the next one runs.
    fillLists();
    state_.endModify();
    state_.AmountsRecalculated = state_.RecipeChanged = false;
    state_.CurrentRecordNumber = state_.CurrentLine = state_.LastSavedRecordNumber = 0;
    state_.CurrentListIndex = -1;
    LoadMisspellings();
    for (ui::Control* box : editorBoxes()) box->setBackColor(Text11->BackColor());
    // A change a kill interrupted is finished or undone before anything is read.
    static_cast<void>(store().Recover());
    DetectOldRecipeFile();
    preview_.LoadPrintSettings();
    ResetRecipeEditor();
    applyAvailability();
}

void Form5::fillLists() {
    for (ui::ComboBox* box : {Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Combo7}) box->Clear();
    for (ui::ComboBox* box : Combo8) box->Clear();
    for (std::string_view unit : SingularUnitList) Combo5->AddItem(std::string(unit));
    for (std::string_view unit : PluralUnitList) Combo6->AddItem(std::string(unit));
    for (std::string_view fraction : FractionList) Combo3->AddItem(std::string(fraction));
    for (std::string_view unit : YieldUnitList) Combo4->AddItem(std::string(unit));
    for (int type = 1; type <= RecipeTypeCount; ++type) {
        const std::string name(RecipeTypeName(type));
        Combo1->AddItem(name);
        Combo7->AddItem(name);
        for (ui::ComboBox* box : Combo8) box->AddItem(name);
        state_.RecipeTypeNames[static_cast<std::size_t>(type)] = name;
    }
}

// Where the main panel, the recipe lists and the result grids' columns lie
// for the window's size: at every activation, and again after every resize,
// since proportional resizing puts the controls back at their scaled design
// places.
void Form5::placeControls() {
    const auto& vars = app_.vars;
    shell::PlaceMainPanel(app_, *Panel3D1, *Toolbar1, *StatusBar1);
    sizeBackground();
    if (!vars.smallerScreen()) {
        const int listWidth = Twips(Panel3D1->Width() * 0.3);
        const int listLeft = Twips(Panel3D1->Width() * 0.652);
        for (ui::Control* c : std::initializer_list<ui::Control*>{Combo2, Text8, SSPanel3}) {
            c->setWidth(listWidth);
            c->setLeft(listLeft);
        }
        List1->setWidth(Twips(SSPanel3->Width() * 0.97));
    }
    // The result grids' two columns share their width as each display mode needs.
    const bool smaller = vars.smallerScreen();
    for (ui::Grid* grid : {Grid1, Grid2}) {
        grid->setCols(2);
        grid->setColWidth(0, Twips(grid->Width() * (smaller ? 0.54 : 0.6)));
        grid->setColWidth(1, Twips(grid->Width() * (smaller ? 0.45 : 0.36)));
    }
}

void Form5::Form_Resize() {
    if (!Visible()) return;
    placeControls();
    preview_.placePreviewButtonTops();
}

void Form5::Form_Activate() {
    preview_.PlacePreviewButtons();
    Panel3D1->setVisible(true);
}

void Form5::Form_KeyPress(int& keyAscii) {
    if (keyAscii == ui::keys::Return && SSPanel8->Visible()) {
        keyAscii = 0;
        search_.IngredientPanel_Enter();
        return;
    }
    if (keyAscii != ui::keys::Escape) return;
    keyAscii = 0;
    // An enlarged preview first returns to its normal size.
    if (!SSPanel13->Visible() && preview().isOpen() && preview().enlarged()) {
        app_.runtime().userClick(*preview().SSCommand1);
        return;
    }
    // The first open panel closes as its own Close or Cancel button closes it.
    const std::pair<ui::Control*, ui::CommandButton*> panels[] = {
        {SSPanel13, SSCommand6}, {SSPanel80, SSCommand80[2]}, {SSPanel2, Command13},  {SSPanel5, Command10},
        {SSPanel6, Command18},   {SSPanel8, Command21},       {SSPanel10, Command24}, {SSPanel12, SSCommand3},
    };
    for (const auto& [panel, button] : panels) {
        if (!panel->Visible()) continue;
        if (button->onClick) app_.runtime().raise({this, button, nullptr, "Click"}, button->onClick);
        else panel->setVisible(false);
        return;
    }
    // No panel open: the recipe's question only, then out; a colour change is dropped.
    state_.SaveAnswer = 0;
    if (hasUnsavedEdits()) AskSaveRecipe();
    if (state_.SaveAnswer == platform::answer::Cancel || state_.SaveRefused) return;
    Unload();
}

void Form5::Form_Unload() {
    state_.endModify();
    state_.AmountsRecalculated = state_.RecipeChanged = state_.PendingTypeChange = false;
    state_.CurrentRecordNumber = state_.CurrentLine = state_.SaveAnswer = state_.LastSavedRecordNumber = 0;
    state_.CurrentListIndex = -1;
    state_.PendingType.clear();
    for (auto& amount : state_.AmountText) amount.clear();
    file().PrintDateOff = 0;
    file().AmountFormat = 0;
}

void Form5::mO_Click() {
    app_.runtime().doEvents();
    mOChange->setEnabled(renameOffered());
    app_.runtime().doEvents();
}

std::string Form5::windowCaption() const {
    const int number = app_.state<RecipeFileState>().CookbookNumber;
    const std::string title = state_.CookbookTitle[static_cast<std::size_t>(number - 1)];
    const std::string rest = "Pantrivo - Recipe File - Cookbook #" + std::to_string(number) + " - " + title;
    return app_.vars.FamilyName.empty() ? rest : app_.vars.FamilyName + " " + rest;
}

}  // namespace recipes
