// The search options, the name and the ingredient search panels, their
// result grids, and opening a result in the editor.
#include <cmath>
#include <functional>

#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "recipe_search/ingredient_search.h"
#include "recipe_search/name_search.h"
#include "recipes/recipe_window.h"
#include "shell/hinfo1.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

constexpr ui::OleColor Highlight = ui::colors::Yellow;
constexpr const char* NoIngredientText = "Please enter at least one ingredient to Search";

bool HasNonBlank(const std::string& text) { return !basic::Trim(text).empty(); }

// Centres a label across its panel.
void CentreIn(ui::Control& label, const ui::Control& panel) {
    label.setLeft(static_cast<int>(std::lround(panel.Width() / 2.0 - label.Width() / 2.0)));
}

}  // namespace

void Form5::wireSearch() {
    mOsr->onClick = [this] { mOsr_Click(); };
    Command16->onClick = [this] { mOsr_Click(); };
    Command11->onClick = [this] { Command11_Click(); };
    Command12->onClick = [this] { Command12_Click(); };
    Command18->onClick = [this] { Command18_Click(); };
    Command13->onClick = [this] { Command13_Click(); };
    Command14->onClick = [this] { Command14_Click(); };
    Command17->onClick = [this] { Command17_Click(); };
    Command15->onClick = [this] { ViewSearchHit(*Grid1, *SSPanel2); };
    Command19->onClick = [this] { Command19_Click(); };
    Command22->onClick = [this] { Command22_Click(); };
    Command20->onClick = [this] {
        if (!SSPanel9->Visible()) ViewSearchHit(*Grid2, *SSPanel8);
    };
    Command21->onClick = [this] { Command21_Click(); };

    Text10->onGotFocus = [this] { searchBox_GotFocus(*Text10); };
    Text10->onLostFocus = [this] { Text10->setBackColor(Text11->BackColor()); };
    Text10->onKeyPress = [](int& key) {
        if (key == ui::keys::Return) key = 0;
    };
    Text10->onKeyUp = [this](int& key, int) {
        if (key == ui::keys::Return) Command14_Click();
    };
    ui::TextBox* const words[] = {Text12, Text13, Text14};
    for (int i = 0; i < 3; ++i) {
        ui::TextBox* box = words[i];
        box->onGotFocus = [this, box] { searchBox_GotFocus(*box); };
        box->onLostFocus = [this, box] { box->setBackColor(Text11->BackColor()); };
        box->onChange = [this, i] { ingredientBox_Change(i); };
        box->onKeyPress = [](int& key) {
            if (key == ui::keys::Return) key = 0;
        };
    }
    for (int i = 0; i < 2; ++i)
        SSOption1[static_cast<std::size_t>(i)]->onClick = [this, i] { state_.MultiIngredientOption = i; };
    Combo7->onDropDown = [this] {
        SSPanel9->setVisible(false);
        Grid2->setVisible(false);
    };
    for (ui::Grid* grid : {Grid1, Grid2}) {
        ui::CommandButton* view = grid == Grid1 ? Command15 : Command20;
        ui::CommandButton* close = grid == Grid1 ? Command13 : Command21;
        grid->onClick = [grid, view] {
            if (grid->Row() < 1) return;
            grid->setHighlight(false);
            grid->SelectRow(grid->Row());
            grid->setHighlight(true);
            view->setEnabled(true);
        };
        grid->onDblClick = [grid, view] {
            if (grid->Row() >= 1 && view->Enabled()) view->onClick();
        };
        grid->onMouseDown = [this, grid](int, int, double, double) { state_.ChosenResultRow = grid->Row(); };
        grid->onBeforeSort = [grid](int) {
            grid->setRow(0);
            grid->setHighlight(false);
        };
        grid->onAfterSort = [grid, close](int) {
            grid->setHighlight(false);
            close->SetFocus();
        };
        grid->onScrollTip = [grid](int row) {
            return " Row " + std::to_string(row) + ": " + basic::Left(grid->TextMatrix(row, 1), 35) + " ";
        };
    }
}

// Enter anywhere in the ingredient panel runs "Search By Type" again, but on
// a result row the user chose it opens that row, as "View Selected Recipe"
// does: searching again there would throw the choice away.
void Form5::IngredientPanel_Enter() {
    platform::Runtime& runtime = app_.runtime();
    if (runtime.focusedControl() == Grid2 && Grid2->Row() >= 1 && Command20->effectivelyEnabled()) {
        runtime.userClick(*Command20);
        return;
    }
    if (!Command19->effectivelyEnabled()) return;
    Command19->SetFocus();
    runtime.userClick(*Command19);
}

// --- the options

void Form5::mOsr_Click() {
    // Remembered, so that a Cancel of the save question leaves them as they were.
    const bool cookbookMenus = mOCB->Enabled();
    DisableCookbookMenus();
    if (!OldFileConverted()) {
        mOCB->setEnabled(cookbookMenus);
        mOCBTle->setEnabled(cookbookMenus);
        return;
    }
    for (ui::Control* panel : {SSPanel6, SSPanel2, SSPanel8}) panel->setVisible(false);
    HideFractionList();
    HideUnitLists();
    if (mOsr->Checked()) {
        Command13_Click();
        return;
    }
    SSPanel6->setVisible(true);
    mOsr->setChecked(true);
    state_.SaveAnswer = 0;
    if (hasUnsavedEdits()) AskSaveRecipe();
    if (state_.SaveAnswer == platform::answer::Yes) {
        ResetRecipeResultGrid();
        ResetIngredientResultGrid();
        for (ui::Control* c : std::initializer_list<ui::Control*>{Grid1, Grid2, SSPanel7, SSPanel9})
            c->setVisible(false);
    }
    if (state_.SaveAnswer == platform::answer::Cancel || state_.SaveRefused) {
        if (state_.editing()) focusAmountLine0();
        mOCB->setEnabled(cookbookMenus);
        mOCBTle->setEnabled(cookbookMenus);
        return;
    }
    for (ui::Menu* item : {mOCr, mOV, mOCal, mOMo, mOP, mODel, mOSa, mO1, mO2, mO3, mO4, mO8}) item->setVisible(false);
    mEdit->setEnabled(false);
    Toolbar2->setButtonEnabled(4, false);
    Toolbar2->setButtonEnabled(5, false);
    SSPanel7->setBackColor(SSPanel2->BackColor());
    SSPanel9->setBackColor(SSPanel2->BackColor());
    Grid1->setColAlignment(0, ui::CellAlignment::Center);
    Grid2->setColAlignment(0, ui::CellAlignment::Center);
    Command15->setEnabled(false);
    SSPanel6->setVisible(true);
    mOsr->setChecked(true);
    app_.runtime().doEvents();
    if (Command18->Enabled()) Command18->SetFocus();
}

void Form5::openSearchPanel(ui::Panel& panel) {
    panel.Move(Panel3D1->Left(), Panel3D1->Top(), panel.Width(), panel.Height());
    Panel3D1->setVisible(false);
    SSPanel6->setVisible(false);
    panel.setVisible(true);
    mOsr->setChecked(true);
}

// The panel opens ready for typing.
void Form5::Command11_Click() {
    openSearchPanel(*SSPanel2);
    Text10->SetFocus();
}

void Form5::Command12_Click() {
    openSearchPanel(*SSPanel8);
    Text12->SetFocus();
}

void Form5::Command18_Click() {
    EnableCookbookMenus();
    RestoreRecipeMenus();
    SSPanel6->setVisible(false);
}

void Form5::closeSearchPanel(ui::Panel& panel) {
    EnableCookbookMenus();
    RestoreRecipeMenus();
    panel.setVisible(false);
    Panel3D1->setVisible(true);
}

void Form5::Command13_Click() { closeSearchPanel(*SSPanel2); }
void Form5::Command21_Click() { closeSearchPanel(*SSPanel8); }

void Form5::searchBox_GotFocus(ui::TextBox& box) {
    box.setBackColor(Highlight);
    if (box.Text() == " ") box.setText("");
    HideFractionList();
    HideUnitLists();
}

// --- the name search

void Form5::Command17_Click() {
    state_.ViewAllRequested = true;
    Text10->setText("");
    state_.SearchPhrase = " ";
    Command14_Click();
}

void Form5::Command14_Click() {
    if (!state_.ViewAllRequested && Text10->Text().empty()) return;
    shell::BeginWait(app_);
    mOChange->setEnabled(false);
    SSPanel7->setVisible(false);
    Grid1->setVisible(false);
    ResetRecipeResultGrid();
    Command15->setEnabled(false);
    if (!state_.ViewAllRequested) state_.SearchPhrase = basic::UCase(Text10->Text());
    state_.ViewAllRequested = false;
    const auto hits = recipe_search::SearchByName(store(), state_.SearchPhrase);
    showResults(*Grid1, hits);
    app_.runtime().doEvents();
    if (hits.empty()) {
        SSPanel7->setVisible(true);
        Label32->setVisible(false);
    } else {
        Label32->setCaption("Number of Recipe Matches Found: " + std::to_string(hits.size()));
        CentreIn(*Label32, *SSPanel2);
        Label32->setVisible(true);
        Grid1->setVisible(true);
    }
    Command14->SetFocus();
    shell::EndWait(app_);
}

// --- the ingredient search

void Form5::ingredientBox_Change(int box) {
    if (SSPanel9->Visible()) SSPanel9->setVisible(false);
    const bool second = HasNonBlank(Text13->Text());
    const bool third = HasNonBlank(Text14->Text());
    if (box == 0) {
        if (Text13->Text().empty() && Text14->Text().empty()) setOptionsEnabled(false);
        return;
    }
    if ((box == 1 && second) || (box == 2 && !Text14->Text().empty())) setOptionsEnabled(true);
    if (!second && !third) setOptionsEnabled(false);
}

void Form5::setOptionsEnabled(bool on) {
    Frame1->setEnabled(on);
    for (ui::OptionButton* option : SSOption1) option->setEnabled(on);
}

recipe_search::IngredientQuery Form5::compactIngredientBoxes() {
    std::array<std::string, 3> boxes{Text12->Text(), Text13->Text(), Text14->Text()};
    recipe_search::CompactBoxes(boxes);
    Text12->setText(boxes[0]);
    Text13->setText(boxes[1]);
    Text14->setText(boxes[2]);
    recipe_search::IngredientQuery query{boxes, recipe_search::IngredientMode::FirstWordOnly};
    if (Frame1->Enabled())
        query.mode = state_.MultiIngredientOption == 0 ? recipe_search::IngredientMode::AllWords
                                                       : recipe_search::IngredientMode::AnyWord;
    return query;
}

void Form5::refuseSearch(const char* text, ui::Control& focus) {
    app_.dialogs().MessageBox({"Search", text, MsgIcon::Question, MsgButtons::OK, 1});
    focus.SetFocus();
}

void Form5::Command19_Click() {
    Command20->setEnabled(false);
    const recipe_search::IngredientQuery query = compactIngredientBoxes();
    if (Combo7->Text().empty()) return refuseSearch("Please Select Type of Recipe to Search", *Combo7);
    // Only one of the 22 types names a file of the cookbook.
    const auto type = RecipeTypeNumber(Combo7->Text());
    if (!type) return refuseSearch("Please choose the Type of Recipe from the list.", *Combo7);
    if (Text12->Text().empty()) return refuseSearch(NoIngredientText, *Text12);
    // A type without a single recipe is said so, as choosing it in the type box does.
    if (store().ReadIndex(*type).empty()) return ShowNoRecipesFound(Combo7->Text());
    runIngredientSearch([&] { return recipe_search::SearchTypeByIngredient(store(), *type, query); },
                        "By Type - Number of Ingredient Matches Found: ", *Command19);
}

void Form5::Command22_Click() {
    const recipe_search::IngredientQuery query = compactIngredientBoxes();
    if (Text12->Text().empty()) return refuseSearch(NoIngredientText, *Text12);
    Command20->setEnabled(false);
    runIngredientSearch([&] { return recipe_search::SearchAllByIngredient(store(), query); },
                        "All Recipes - Number of Ingredient Matches Found: ", *Command22);
}

void Form5::runIngredientSearch(const std::function<std::vector<recipe_search::SearchHit>()>& search,
                                const std::string& count, ui::CommandButton& button) {
    shell::BeginWait(app_);
    SSPanel9->setVisible(false);
    Grid2->setVisible(false);
    ResetIngredientResultGrid();
    showIngredientResults(search(), count);
    button.SetFocus();
    shell::EndWait(app_);
}

void Form5::showIngredientResults(const std::vector<recipe_search::SearchHit>& hits, const std::string& count) {
    showResults(*Grid2, hits);
    app_.runtime().doEvents();
    if (hits.empty()) {
        SSPanel9->setVisible(true);
        Label7->setVisible(false);
        Command20->setEnabled(false);
        return;
    }
    Label7->setCaption(count + std::to_string(hits.size()));
    CentreIn(*Label7, *SSPanel8);
    Label7->setVisible(true);
    Grid2->setVisible(true);
    SSPanel9->setVisible(false);
}

// --- the result grids

void Form5::resetResultGrid(ui::Grid& grid, const char* typeHeading) {
    grid.setRows(2);
    grid.setCols(2);
    grid.setTextMatrix(0, 0, typeHeading);
    grid.setTextMatrix(0, 1, "Recipe Name");
    grid.setHeaderAlignment(0, ui::CellAlignment::Center);
    grid.setHeaderAlignment(1, ui::CellAlignment::Center);
    grid.setTextMatrix(1, 0, "");
    grid.setTextMatrix(1, 1, "");
    grid.setRowData(1, 0);
    grid.setRow(1);
}

void Form5::ResetRecipeResultGrid() { resetResultGrid(*Grid1, "Type Recipe"); }
void Form5::ResetIngredientResultGrid() { resetResultGrid(*Grid2, "Recipe Type"); }

void Form5::showResults(ui::Grid& grid, const std::vector<recipe_search::SearchHit>& hits) {
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const std::string type(RecipeTypeName(hits[i].type));
        if (i == 0) {
            grid.setTextMatrix(1, 0, type);
            grid.setTextMatrix(1, 1, hits[i].entry);
            grid.setRowData(1, hits[i].recordNumber);
        } else {
            grid.AddRow({type, hits[i].entry}, hits[i].recordNumber);
        }
    }
}

void Form5::ViewSearchHit(ui::Grid& grid, ui::Panel& panel) {
    // The row the user chose in this grid, by mouse or keys, also after a
    // sort; the header row opens nothing.
    const int row = grid.Row();
    if (row < 1 || row >= grid.Rows() || grid.RowData(row) < 1) return;
    EnableCookbookMenus();
    RestoreRecipeMenus();
    state_.ChosenResultRow = row;
    showType(basic::RTrim(grid.TextMatrix(row, 0)));
    const std::string entry = grid.TextMatrix(row, 1);
    state_.CurrentRecordNumber = static_cast<int>(grid.RowData(row));
    state_.SearchHitEntry = basic::Trim(entry);
    panel.setVisible(false);
    Panel3D1->setVisible(true);
    state_.endModify();
    state_.RecipeChanged = state_.AmountsRecalculated = false;
    mOV_Click();
    state_.SearchHitPending = true;
    Combo2_Click();
    collapseRecipeList();
    Combo2->setText(entry);
    state_.ChosenRecipeEntry = entry;
}

}  // namespace recipes
