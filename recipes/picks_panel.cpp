// The recipes picked to print two to a page, over the print preview.
#include "recipes/picks_panel.h"

#include "platform/basic/text.h"
#include "recipes/printing/selected_recipes_layout.h"
#include "recipes/store/recipe_index_entry.h"
#include "recipes/recipe_window.h"

namespace recipes {

void PicksPanel::wire() {
    for (int slot = 0; slot < PicksControls::PickSlotCount; ++slot) {
        const auto k = static_cast<std::size_t>(slot);
        c_.Combo8[k]->onChange = [this, slot] { Combo8_Change(slot); };
        c_.Combo8[k]->onClick = [this, slot] { Combo8_Click(slot); };
        c_.Combo9[k]->onClick = [this] { Combo9_Click(); };
    }
    c_.SSCommand5->onClick = [this] { SSCommand5_Click(); };
    c_.SSCommand6->onClick = [this] { SSCommand6_Click(); };
}

void PicksPanel::SelectAdditionalRecipes() {
    if (!state_.SelectedRecipesMode) {
        const int slot = w_.file().PrintOption < 4 ? 0 : 1;
        const auto other = static_cast<std::size_t>(1 - slot);
        c_.Combo8[other]->setText("");
        c_.Combo9[other]->setText("");
        const auto k = static_cast<std::size_t>(slot);
        c_.Combo8[k]->setText(w_.Combo1->Text());
        loadPickList(slot);
        // A drop-down list takes only one of its entries: any other text
        // leaves the slot without a recipe.
        c_.Combo9[k]->setText(w_.Combo2->Text());
    }
    c_.SSPanel13->setVisible(true);
    c_.SSPanel13->SetFocus();
}

void PicksPanel::loadPickList(int slot) {
    ui::ComboBox& list = *c_.Combo9[static_cast<std::size_t>(slot)];
    list.Clear();
    // Only one of the 22 types names an index file of the cookbook.
    if (const auto type = RecipeTypeNumber(c_.Combo8[static_cast<std::size_t>(slot)]->Text()))
        for (const IndexEntry& entry : w_.store().ReadIndex(*type)) list.AddItem(entry.text);
}

void PicksPanel::Combo8_Change(int slot) {
    if (basic::Trim(c_.Combo8[static_cast<std::size_t>(slot)]->Text()).empty())
        c_.Combo9[static_cast<std::size_t>(slot)]->Clear();
}

void PicksPanel::Combo8_Click(int slot) {
    loadPickList(slot);
    c_.Combo9[static_cast<std::size_t>(slot)]->SetFocus();
}

void PicksPanel::Combo9_Click() {
    if (c_.SSPanel13->Visible()) c_.SSCommand5->SetFocus();
}

void PicksPanel::SSCommand5_Click() {
    printing::PrintFontSettings& f = w_.preview_.printFont();
    f.PrintOptionsLoading = true;
    for (ui::OptionButton* option : w_.SSOption83) {
        option->setEnabled(false);
        option->setValue(false);
    }
    f.PrintOptionsLoading = false;
    state_.SelectedRecipesMode = true;
    w_.preview_.RerenderPreview();
    w_.app_.runtime().doEvents();
    c_.SSPanel13->setVisible(false);
}

void PicksPanel::SSCommand6_Click() { c_.SSPanel13->setVisible(false); }

void PicksPanel::LayoutSelectedRecipes() {
    printing::RecipePicks picks;
    for (std::size_t slot = 0; slot < picks.size(); ++slot)
        picks[slot] = {c_.Combo8[slot]->Text(), c_.Combo9[slot]->Text()};
    const auto lastLayout = printing::LayoutSelectedRecipes(w_.preview().document(), w_.preview_.printFont(),
                                                            w_.store(), picks, w_.file().AmountFormat);
    if (lastLayout) w_.file().PrintOption = static_cast<std::int16_t>(*lastLayout);
}

}  // namespace recipes
