#pragma once
#include <array>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/design.h"
#include "platform/ui/form.h"
#include "recipes/store/recipe_record.h"
#include "shopping/select/recipe_ingredients.h"
#include "shopping/select/select_host.h"
#include "shopping/select/select_panel_design.h"

namespace shell {
class Application;
}

namespace shopping {

class RecipeSelectPanel;
using RecipeSelectRow = ui::design::Row<RecipeSelectPanel>;

// The exits of the screen in the window's button array Command1.
enum RecipeSelectButton { AddIngredientNamesButton = 11, AddWithAmountsButton = 12, LeaveRecipeSelectButton = 13 };

// "Recipe Select Screen": a recipe type and a recipe of the shopping list's
// own cookbook (list_cookbook.h), whose ingredients show as check boxes with
// the amounts needed; the ticked ones join the list with or without their
// amounts. The window lays the rows out among its own (RecipeSelectRows),
// then makes one of these, which binds its members and handles their events.
// The boxes keep their laid-out widths whatever the window does on activation.
class RecipeSelectPanel {
public:
    RecipeSelectPanel(shell::Application& app, ui::Form& window, const SelectPanelDesign& design, SelectHost host);

    // The menu item "&Recipe Select" and the button "&Recipe Select": opens
    // the screen when it is closed, closes it when it is open.
    void mOR_Click();
    bool isOpen() const { return open_; }
    // A "Select Cook&book" item, 1 to 8: the cookbook is kept and the screen
    // starts afresh on it. The window then moves the menu's check mark to
    // ListCookbookNumber.
    void mOCB1_Click(int index);

    void ShowRecipeIngredients();
    void ResetRecipeSelect();
    void ReloadRecipeSelect();
    void AddIngredientNames();
    void AddIngredientsWithAmounts();

    // --- the screen's events
    void Combo2_Click();
    void Combo3_Click();
    void Combo3_GotFocus();
    void SSCheck2_Click(int index);
    void Command1_Click(int index);

    // The recipe whose ingredients are shown.
    recipes::RecipeRecord RecipeBuffer;

    static constexpr int BoxCount = recipes::IngredientLineCount;
    ui::Panel* SSPanel5 = nullptr;   // "Recipe Select Screen"
    ui::ComboBox* Combo2 = nullptr;  // the 22 recipe types
    ui::ComboBox* Combo3 = nullptr;  // the recipes of the chosen type
    ui::Label* Label8 = nullptr;     // "Ingredients => Amount Needed:"
    std::array<ui::CheckBox*, BoxCount> SSCheck2{};
    std::array<ui::CommandButton*, 14> Command1{};  // only 11 to 13 are the screen's

private:
    void fillTypes();
    void emptyBoxes();
    void enableAdding(bool on);
    void showCookbookStatus();
    void addTicked(bool withAmounts);

    shell::Application& app_;
    ui::Form& window_;
    SelectHost host_;
    bool open_ = false;
    // What each shown box stands for, box by box.
    std::vector<IngredientChoice> shown_;
};

// The screen's rows, laid out in the place the design gives, tab stops from tab on.
std::vector<RecipeSelectRow> RecipeSelectRows(const SelectPanelDesign& design, int& tab);
void AddRecipeSelectRows(std::vector<ui::design::ControlRow>& rows, const SelectPanelDesign& design, int& tab);

}  // namespace shopping
