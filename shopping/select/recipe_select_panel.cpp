// The Recipe Select screen: a recipe's ingredients become list items.
#include "shopping/select/recipe_select_panel.h"

#include <algorithm>

#include "recipes/store/cookbook_reader.h"
#include "recipes/store/recipe_index_entry.h"
#include "recipes/store/recipe_lists.h"
#include "shell/application.h"
#include "shell/hinfo1.h"
#include "shopping/select/list_cookbook.h"

namespace shopping {

using platform::MsgButtons;
using platform::MsgIcon;

RecipeSelectPanel::RecipeSelectPanel(shell::Application& app, ui::Form& window, const SelectPanelDesign& design,
                                     SelectHost host)
    : app_(app), window_(window), host_(std::move(host)) {
    // The window built the screen's rows among its own; the same rows bind them here.
    int tab = 0;
    ui::design::BindBuilt(window, *this, RecipeSelectRows(design, tab));
    Label8->setCaption("Ingredients => Amount Needed:");
}

void RecipeSelectPanel::mOR_Click() {
    if (!open_) {
        open_ = true;
        fillTypes();
        SSPanel5->setVisible(true);
        host_.screenShown(SelectScreen::RecipeSelect, true);
        showCookbookStatus();
        Command1[LeaveRecipeSelectButton]->SetFocus();
        return;
    }
    open_ = false;
    host_.screenShown(SelectScreen::RecipeSelect, false);
    SSPanel5->setVisible(false);
    host_.showStatus(window_.Caption());
}

void RecipeSelectPanel::fillTypes() {
    Combo2->Clear();
    for (std::string_view type : recipes::RecipeTypeList) Combo2->AddItem(std::string(type));
}

void RecipeSelectPanel::showCookbookStatus() {
    const ListCookbookState& cookbook = ListCookbook(app_);
    host_.showStatus(window_.Caption() + "     Recipe Select from Cookbook #" +
                     std::to_string(cookbook.ListCookbookNumber) + " - " + cookbook.title());
}

void RecipeSelectPanel::emptyBoxes() {
    shown_.clear();
    for (ui::CheckBox* box : SSCheck2) {
        box->setVisible(false);
        box->setValue(false);
        box->setCaption("");
    }
}

void RecipeSelectPanel::enableAdding(bool on) {
    Command1[AddIngredientNamesButton]->setEnabled(on);
    Command1[AddWithAmountsButton]->setEnabled(on);
}

void RecipeSelectPanel::Combo2_Click() {
    emptyBoxes();
    Label8->setVisible(false);
    enableAdding(false);
    Combo3->Clear();
    const auto type = recipes::RecipeTypeNumber(Combo2->Text());
    if (type) {
        const recipes::CookbookReader cookbook(app_.folder(), ListCookbook(app_).ListCookbookNumber);
        // Entries that name no record are left out: choosing one could show nothing.
        cookbook.VisitIndex(*type, [this](std::string_view text, long) { Combo3->AddItem(std::string(text)); });
    }
    Combo3->SetFocus();
}

void RecipeSelectPanel::Combo3_GotFocus() {
    if (Combo2->ListIndex() >= 0) return;
    app_.dialogs().MessageBox({"Recipe Select", "First Select Recipe Type!", MsgIcon::Information, MsgButtons::OK, 1});
    Combo2->SetFocus();
}

void RecipeSelectPanel::Combo3_Click() {
    app_.runtime().doEvents();
    const auto record = recipes::EntryRecordNumber(Combo3->Text());
    if (!record) return;
    RecipeBuffer = recipes::CookbookReader(app_.folder(), ListCookbook(app_).ListCookbookNumber).ReadRecord(*record);
    ShowRecipeIngredients();
    Command1[LeaveRecipeSelectButton]->SetFocus();
}

void RecipeSelectPanel::ShowRecipeIngredients() {
    enableAdding(false);
    emptyBoxes();
    shown_ = IngredientChoices(RecipeBuffer);
    for (std::size_t b = 0; b < shown_.size(); ++b) {
        SSCheck2[b]->setCaption(shown_[b].caption());
        SSCheck2[b]->setVisible(true);
    }
    Label8->setVisible(true);
}

void RecipeSelectPanel::SSCheck2_Click(int /*index*/) {
    host_.hideDatePicker();
    enableAdding(std::any_of(SSCheck2.begin(), SSCheck2.end(), [](const ui::CheckBox* b) { return b->Value(); }));
}

void RecipeSelectPanel::addTicked(bool withAmounts) {
    shell::BeginWait(app_);
    std::vector<ListEntry> entries;
    for (std::size_t b = 0; b < shown_.size(); ++b) {
        if (!SSCheck2[b]->Value()) continue;
        ListEntry entry = withAmounts ? shown_[b].withAmount() : shown_[b].nameOnly();
        // A line with an amount but no ingredient names nothing to buy.
        if (!entry.item.empty()) entries.push_back(std::move(entry));
    }
    if (!entries.empty()) host_.addEntries(entries);
    ResetRecipeSelect();
    shell::EndWait(app_);
}

void RecipeSelectPanel::AddIngredientNames() { addTicked(false); }

void RecipeSelectPanel::AddIngredientsWithAmounts() { addTicked(true); }

void RecipeSelectPanel::ResetRecipeSelect() {
    emptyBoxes();
    enableAdding(false);
    Label8->setVisible(false);
    SSPanel5->setVisible(false);
    Combo3->Clear();
}

void RecipeSelectPanel::Command1_Click(int index) {
    host_.hideDatePicker();
    if (index == AddIngredientNamesButton) AddIngredientNames();
    else if (index == AddWithAmountsButton) AddIngredientsWithAmounts();
    else ResetRecipeSelect();
    mOR_Click();
}

void RecipeSelectPanel::mOCB1_Click(int index) {
    ChooseListCookbook(app_, index);
    ReloadRecipeSelect();
}

void RecipeSelectPanel::ReloadRecipeSelect() {
    emptyBoxes();
    enableAdding(false);
    Label8->setVisible(false);
    Combo2->Clear();
    Combo3->Clear();
    fillTypes();
    Combo2->SetFocus();
    showCookbookStatus();
}

}  // namespace shopping
