// The search options, the name and the ingredient search panels, their
// result grids, and opening a result in the editor.
#include <cmath>
#include <functional>

#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "recipe_search/ingredient_search.h"
#include "recipe_search/name_search.h"
#include "recipes/recipe_window.h"
#include "recipes/search_panel.h"
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

void SearchPanel::wire() {
    w_.mOsr->onClick = [this] { mOsr_Click(); };
    w_.Command16->onClick = [this] { mOsr_Click(); };
    c_.Command11->onClick = [this] { Command11_Click(); };
    c_.Command12->onClick = [this] { Command12_Click(); };
    c_.Command18->onClick = [this] { Command18_Click(); };
    c_.Command13->onClick = [this] { Command13_Click(); };
    c_.Command14->onClick = [this] { Command14_Click(); };
    c_.Command17->onClick = [this] { Command17_Click(); };
    c_.Command15->onClick = [this] { ViewSearchHit(*c_.Grid1, *c_.SSPanel2); };
    c_.Command19->onClick = [this] { Command19_Click(); };
    c_.Command22->onClick = [this] { Command22_Click(); };
    c_.Command20->onClick = [this] {
        if (!c_.SSPanel9->Visible()) ViewSearchHit(*c_.Grid2, *c_.SSPanel8);
    };
    c_.Command21->onClick = [this] { Command21_Click(); };

    c_.Text10->onGotFocus = [this] { searchBox_GotFocus(*c_.Text10); };
    c_.Text10->onLostFocus = [this] { c_.Text10->setBackColor(w_.Text11->BackColor()); };
    c_.Text10->onKeyPress = [](int& key) {
        if (key == ui::keys::Return) key = 0;
    };
    c_.Text10->onKeyUp = [this](int& key, int) {
        if (key == ui::keys::Return) Command14_Click();
    };
    ui::TextBox* const words[] = {c_.Text12, c_.Text13, c_.Text14};
    for (int i = 0; i < 3; ++i) {
        ui::TextBox* box = words[i];
        box->onGotFocus = [this, box] { searchBox_GotFocus(*box); };
        box->onLostFocus = [this, box] { box->setBackColor(w_.Text11->BackColor()); };
        box->onChange = [this, i] { ingredientBox_Change(i); };
        box->onKeyPress = [](int& key) {
            if (key == ui::keys::Return) key = 0;
        };
    }
    for (int i = 0; i < 2; ++i)
        c_.SSOption1[static_cast<std::size_t>(i)]->onClick = [this, i] { state_.MultiIngredientOption = i; };
    c_.Combo7->onDropDown = [this] {
        c_.SSPanel9->setVisible(false);
        c_.Grid2->setVisible(false);
    };
    for (ui::Grid* grid : {c_.Grid1, c_.Grid2}) {
        ui::CommandButton* view = grid == c_.Grid1 ? c_.Command15 : c_.Command20;
        ui::CommandButton* close = grid == c_.Grid1 ? c_.Command13 : c_.Command21;
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
void SearchPanel::IngredientPanel_Enter() {
    platform::Runtime& runtime = w_.app_.runtime();
    if (runtime.focusedControl() == c_.Grid2 && c_.Grid2->Row() >= 1 && c_.Command20->effectivelyEnabled()) {
        runtime.userClick(*c_.Command20);
        return;
    }
    if (!c_.Command19->effectivelyEnabled()) return;
    c_.Command19->SetFocus();
    runtime.userClick(*c_.Command19);
}

// --- the options

void SearchPanel::mOsr_Click() {
    // Remembered, so that a Cancel of the save question leaves them as they were.
    const bool cookbookMenus = state_.cookbookMenusOn;
    w_.DisableCookbookMenus();
    if (!w_.OldFileConverted()) {
        w_.setCookbookMenus(cookbookMenus);
        return;
    }
    for (ui::Control* panel : {c_.SSPanel6, c_.SSPanel2, c_.SSPanel8}) panel->setVisible(false);
    w_.HideFractionList();
    w_.HideUnitLists();
    if (state_.searchOpen) {
        Command13_Click();
        return;
    }
    c_.SSPanel6->setVisible(true);
    state_.searchOpen = true;
    w_.mOsr->setChecked(true);
    state_.SaveAnswer = 0;
    if (w_.hasUnsavedEdits()) w_.AskSaveRecipe();
    if (state_.SaveAnswer == platform::answer::Yes) {
        ResetRecipeResultGrid();
        ResetIngredientResultGrid();
        for (ui::Control* c : std::initializer_list<ui::Control*>{c_.Grid1, c_.Grid2, c_.SSPanel7, c_.SSPanel9})
            c->setVisible(false);
    }
    if (state_.SaveAnswer == platform::answer::Cancel || state_.SaveRefused) {
        if (state_.editing()) w_.focusAmountLine0();
        w_.setCookbookMenus(cookbookMenus);
        return;
    }
    for (ui::Menu* item :
         {w_.mOCr, w_.mOV, w_.mOCal, w_.mOMo, w_.mOP, w_.mODel, w_.mOSa, w_.mO1, w_.mO2, w_.mO3, w_.mO4, w_.mO8})
        item->setVisible(false);
    w_.mEdit->setEnabled(false);
    w_.Toolbar2->setButtonEnabled(4, false);
    w_.Toolbar2->setButtonEnabled(5, false);
    c_.SSPanel7->setBackColor(c_.SSPanel2->BackColor());
    c_.SSPanel9->setBackColor(c_.SSPanel2->BackColor());
    c_.Grid1->setColAlignment(0, ui::CellAlignment::Center);
    c_.Grid2->setColAlignment(0, ui::CellAlignment::Center);
    c_.Command15->setEnabled(false);
    c_.SSPanel6->setVisible(true);
    state_.searchOpen = true;
    w_.mOsr->setChecked(true);
    w_.app_.runtime().doEvents();
    if (c_.Command18->Enabled()) c_.Command18->SetFocus();
}

void SearchPanel::openSearchPanel(ui::Panel& panel) {
    panel.Move(w_.Panel3D1->Left(), w_.Panel3D1->Top(), panel.Width(), panel.Height());
    w_.Panel3D1->setVisible(false);
    c_.SSPanel6->setVisible(false);
    panel.setVisible(true);
    state_.searchOpen = true;
    w_.mOsr->setChecked(true);
}

// The panel opens ready for typing.
void SearchPanel::Command11_Click() {
    openSearchPanel(*c_.SSPanel2);
    c_.Text10->SetFocus();
}

void SearchPanel::Command12_Click() {
    openSearchPanel(*c_.SSPanel8);
    c_.Text12->SetFocus();
}

void SearchPanel::Command18_Click() {
    w_.EnableCookbookMenus();
    w_.RestoreRecipeMenus();
    c_.SSPanel6->setVisible(false);
}

void SearchPanel::closeSearchPanel(ui::Panel& panel) {
    w_.EnableCookbookMenus();
    w_.RestoreRecipeMenus();
    panel.setVisible(false);
    w_.Panel3D1->setVisible(true);
}

void SearchPanel::Command13_Click() { closeSearchPanel(*c_.SSPanel2); }
void SearchPanel::Command21_Click() { closeSearchPanel(*c_.SSPanel8); }

void SearchPanel::searchBox_GotFocus(ui::TextBox& box) {
    box.setBackColor(Highlight);
    if (box.Text() == " ") box.setText("");
    w_.HideFractionList();
    w_.HideUnitLists();
}

// --- the name search

void SearchPanel::Command17_Click() {
    state_.ViewAllRequested = true;
    c_.Text10->setText("");
    state_.SearchPhrase = " ";
    Command14_Click();
}

void SearchPanel::Command14_Click() {
    if (!state_.ViewAllRequested && c_.Text10->Text().empty()) return;
    shell::BeginWait(w_.app_);
    w_.mOChange->setEnabled(false);
    c_.SSPanel7->setVisible(false);
    c_.Grid1->setVisible(false);
    ResetRecipeResultGrid();
    c_.Command15->setEnabled(false);
    if (!state_.ViewAllRequested) state_.SearchPhrase = basic::UCase(c_.Text10->Text());
    state_.ViewAllRequested = false;
    const auto hits = recipe_search::SearchByName(w_.store(), state_.SearchPhrase);
    showResults(*c_.Grid1, hits);
    w_.app_.runtime().doEvents();
    if (hits.empty()) {
        c_.SSPanel7->setVisible(true);
        c_.Label32->setVisible(false);
    } else {
        c_.Label32->setCaption("Number of Recipe Matches Found: " + std::to_string(hits.size()));
        CentreIn(*c_.Label32, *c_.SSPanel2);
        c_.Label32->setVisible(true);
        c_.Grid1->setVisible(true);
    }
    c_.Command14->SetFocus();
    shell::EndWait(w_.app_);
}

// --- the ingredient search

void SearchPanel::ingredientBox_Change(int box) {
    if (c_.SSPanel9->Visible()) c_.SSPanel9->setVisible(false);
    const bool second = HasNonBlank(c_.Text13->Text());
    const bool third = HasNonBlank(c_.Text14->Text());
    if (box == 0) {
        if (c_.Text13->Text().empty() && c_.Text14->Text().empty()) setOptionsEnabled(false);
        return;
    }
    if ((box == 1 && second) || (box == 2 && !c_.Text14->Text().empty())) setOptionsEnabled(true);
    if (!second && !third) setOptionsEnabled(false);
}

void SearchPanel::setOptionsEnabled(bool on) {
    state_.multiIngredientOptionsOn = on;
    c_.Frame1->setEnabled(on);
    for (ui::OptionButton* option : c_.SSOption1) option->setEnabled(on);
}

recipe_search::IngredientQuery SearchPanel::compactIngredientBoxes() {
    std::array<std::string, 3> boxes{c_.Text12->Text(), c_.Text13->Text(), c_.Text14->Text()};
    recipe_search::CompactBoxes(boxes);
    c_.Text12->setText(boxes[0]);
    c_.Text13->setText(boxes[1]);
    c_.Text14->setText(boxes[2]);
    recipe_search::IngredientQuery query{boxes, recipe_search::IngredientMode::FirstWordOnly};
    if (state_.multiIngredientOptionsOn)
        query.mode = state_.MultiIngredientOption == 0 ? recipe_search::IngredientMode::AllWords
                                                       : recipe_search::IngredientMode::AnyWord;
    return query;
}

void SearchPanel::refuseSearch(const char* text, ui::Control& focus) {
    w_.app_.dialogs().MessageBox({"Search", text, MsgIcon::Question, MsgButtons::OK, 1});
    focus.SetFocus();
}

void SearchPanel::Command19_Click() {
    c_.Command20->setEnabled(false);
    const recipe_search::IngredientQuery query = compactIngredientBoxes();
    if (c_.Combo7->Text().empty()) return refuseSearch("Please Select Type of Recipe to Search", *c_.Combo7);
    // Only one of the 22 types names a file of the cookbook.
    const auto type = RecipeTypeNumber(c_.Combo7->Text());
    if (!type) return refuseSearch("Please choose the Type of Recipe from the list.", *c_.Combo7);
    if (c_.Text12->Text().empty()) return refuseSearch(NoIngredientText, *c_.Text12);
    // A type without a single recipe is said so, as choosing it in the type box does.
    if (w_.store().ReadIndex(*type).empty()) return w_.ShowNoRecipesFound(c_.Combo7->Text());
    runIngredientSearch([&] { return recipe_search::SearchTypeByIngredient(w_.store(), *type, query); },
                        "By Type - Number of Ingredient Matches Found: ", *c_.Command19);
}

void SearchPanel::Command22_Click() {
    const recipe_search::IngredientQuery query = compactIngredientBoxes();
    if (c_.Text12->Text().empty()) return refuseSearch(NoIngredientText, *c_.Text12);
    c_.Command20->setEnabled(false);
    runIngredientSearch([&] { return recipe_search::SearchAllByIngredient(w_.store(), query); },
                        "All Recipes - Number of Ingredient Matches Found: ", *c_.Command22);
}

void SearchPanel::runIngredientSearch(const std::function<std::vector<recipe_search::SearchHit>()>& search,
                                      const std::string& count, ui::CommandButton& button) {
    shell::BeginWait(w_.app_);
    c_.SSPanel9->setVisible(false);
    c_.Grid2->setVisible(false);
    ResetIngredientResultGrid();
    showIngredientResults(search(), count);
    button.SetFocus();
    shell::EndWait(w_.app_);
}

void SearchPanel::showIngredientResults(const std::vector<recipe_search::SearchHit>& hits, const std::string& count) {
    showResults(*c_.Grid2, hits);
    w_.app_.runtime().doEvents();
    if (hits.empty()) {
        c_.SSPanel9->setVisible(true);
        c_.Label7->setVisible(false);
        c_.Command20->setEnabled(false);
        return;
    }
    c_.Label7->setCaption(count + std::to_string(hits.size()));
    CentreIn(*c_.Label7, *c_.SSPanel8);
    c_.Label7->setVisible(true);
    c_.Grid2->setVisible(true);
    c_.SSPanel9->setVisible(false);
}

// --- the result grids

void SearchPanel::resetResultGrid(ui::Grid& grid, const char* typeHeading) {
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

void SearchPanel::ResetRecipeResultGrid() { resetResultGrid(*c_.Grid1, "Type Recipe"); }
void SearchPanel::ResetIngredientResultGrid() { resetResultGrid(*c_.Grid2, "Recipe Type"); }

void SearchPanel::showResults(ui::Grid& grid, const std::vector<recipe_search::SearchHit>& hits) {
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

void SearchPanel::ViewSearchHit(ui::Grid& grid, ui::Panel& panel) {
    // The row the user chose in this grid, by mouse or keys, also after a
    // sort; the header row opens nothing.
    const int row = grid.Row();
    if (row < 1 || row >= grid.Rows() || grid.RowData(row) < 1) return;
    w_.EnableCookbookMenus();
    w_.RestoreRecipeMenus();
    state_.ChosenResultRow = row;
    w_.showType(basic::RTrim(grid.TextMatrix(row, 0)));
    const std::string entry = grid.TextMatrix(row, 1);
    state_.CurrentRecordNumber = static_cast<int>(grid.RowData(row));
    state_.SearchHitEntry = basic::Trim(entry);
    panel.setVisible(false);
    w_.Panel3D1->setVisible(true);
    state_.endModify();
    state_.RecipeChanged = state_.AmountsRecalculated = false;
    w_.mOV_Click();
    state_.SearchHitPending = true;
    w_.Combo2_Click();
    w_.collapseRecipeList();
    w_.Combo2->setText(entry);
    state_.ChosenRecipeEntry = entry;
}

}  // namespace recipes
