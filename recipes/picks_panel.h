#pragma once
#include <array>

#include "platform/ui/controls.h"
#include "recipes/recipe_window_state.h"

namespace recipes {

class Form5;

// "Select Additional Recipes", over the print preview, by the names its
// documents use.
struct PicksControls {
    static constexpr int PickSlotCount = 10;
    ui::Panel* SSPanel13 = nullptr;
    std::array<ui::ComboBox*, PickSlotCount> Combo8{};  // each slot's recipe type; even slots top, odd bottom
    std::array<ui::ComboBox*, PickSlotCount> Combo9{};  // each slot's recipe
    // "Page One Recipes:", "Top", "Bottom", four "Next Page Recipes:", then each slot's "Type:" and "Recipe:"
    std::array<ui::Label*, 27> Label81{};
    ui::CommandButton* SSCommand5 = nullptr;  // "&Print Preview"
    ui::CommandButton* SSCommand6 = nullptr;  // "&Cancel"
};

// Up to ten recipes picked to print two to a page: the recipe on screen
// takes the half of page one its layout names, the others any slot.
class PicksPanel {
public:
    PicksPanel(Form5& window, PicksControls& controls, RecipeWindowState& state)
        : w_(window), c_(controls), state_(state) {}
    void wire();

    void SelectAdditionalRecipes();  // the preview's "&Select Additional Recipes"
    void Combo8_Change(int slot);
    void Combo8_Click(int slot);
    void Combo9_Click();
    void SSCommand5_Click();
    void SSCommand6_Click();
    // The picks laid out on the preview's pages.
    void LayoutSelectedRecipes();

private:
    void loadPickList(int slot);

    Form5& w_;
    PicksControls& c_;
    RecipeWindowState& state_;
};

}  // namespace recipes
