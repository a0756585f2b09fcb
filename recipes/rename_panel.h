#pragma once
#include "platform/ui/controls.h"
#include "recipes/recipe_window_state.h"

namespace recipes {

class Form5;

// "Recipe Name Change", over the recipe, by the names its documents use.
struct RenameControls {
    ui::Panel* SSPanel10 = nullptr;
    ui::TextBox* Text15 = nullptr;           // the current name, to read only
    ui::TextBox* Text16 = nullptr;           // the new name
    ui::CommandButton* Command23 = nullptr;  // "Save Changed Recipe Name"
    ui::CommandButton* Command24 = nullptr;  // "Cancel"
};

// Renames the shown recipe: the new name goes into the type's index by the
// store. While the panel is open nothing else changes the recipe or the list
// under it.
class RenamePanel {
public:
    RenamePanel(Form5& window, RenameControls& controls, RecipeWindowState& state)
        : w_(window), c_(controls), state_(state) {}
    void wire();

    void mOChange_Click();  // Options > Change Recipe Name
    void Command23_Click();
    void Command24_Click();
    void Text16_Change();
    void Text16_GotFocus();
    void Text16_LostFocus();

private:
    Form5& w_;
    RenameControls& c_;
    RecipeWindowState& state_;
};

}  // namespace recipes
