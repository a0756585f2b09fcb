#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "recipe_search/ingredient_search.h"
#include "recipe_search/search_hit.h"
#include "recipes/recipe_window_state.h"

namespace recipes {

class Form5;

// The search options and the two search panels, by the names their
// documents use.
struct SearchControls {
    // "Search Options", over the recipe
    ui::Panel* SSPanel6 = nullptr;
    ui::CommandButton* Command11 = nullptr;  // "Search by &Recipe"
    ui::CommandButton* Command12 = nullptr;  // "Search by &Ingredient"
    ui::CommandButton* Command18 = nullptr;  // "Ca&ncel"

    // "Search Files by Recipe", in the main panel's place
    ui::Panel* SSPanel2 = nullptr;
    ui::TextBox* Text10 = nullptr;           // the search words
    ui::CommandButton* Command14 = nullptr;  // "&Search"
    ui::CommandButton* Command17 = nullptr;  // "View &All Recipes"
    ui::CommandButton* Command15 = nullptr;  // "&View Selected Recipe"
    ui::CommandButton* Command13 = nullptr;  // "&Close"
    ui::Label* Label32 = nullptr;            // "Number of Recipe Matches Found: " and the count
    ui::Grid* Grid1 = nullptr;               // the recipes found: type and name, a row each
    ui::Panel* SSPanel7 = nullptr;           // "No Matching Recipes were found!"

    // "Search Recipes by Ingredient", in the main panel's place
    ui::Panel* SSPanel8 = nullptr;
    ui::Label* Label4 = nullptr;    // "Enter Search Ingredient(s) -"
    ui::TextBox* Text12 = nullptr;  // the first search word
    ui::TextBox* Text13 = nullptr;  // the second search word
    ui::TextBox* Text14 = nullptr;  // the third search word
    ui::Label* Label8 = nullptr;    // "(Optional)", beside the second word
    ui::Label* Label9 = nullptr;    // "(Optional)", beside the third word
    ui::Frame* Frame1 = nullptr;    // "Multi-Ingredient Options"
    std::array<ui::OptionButton*, 2>
        SSOption1{};                 // in the frame: "Must contain All Ingredients", "At least One of the Ingredients"
    ui::Label* Label3 = nullptr;     // "Select Type of Recipe - If Desired -"
    ui::ComboBox* Combo7 = nullptr;  // the type to search
    ui::CommandButton* Command19 = nullptr;  // "&Search By Type"
    ui::CommandButton* Command22 = nullptr;  // "Search &All Recipes"
    ui::CommandButton* Command20 = nullptr;  // "&View Selected Recipe"
    ui::CommandButton* Command21 = nullptr;  // "&Close"
    ui::Label* Label7 = nullptr;             // the count of matches
    ui::Grid* Grid2 = nullptr;               // the recipes found: type and name, a row each
    ui::Panel* SSPanel9 = nullptr;           // "No Matching Ingredients were found!"
};

// The searches: the options over the recipe, then the search by name or by
// ingredient in the main panel's place, their result grids, and opening a
// result in the editor.
class SearchPanel {
public:
    SearchPanel(Form5& window, SearchControls& controls, RecipeWindowState& state)
        : w_(window), c_(controls), state_(state) {}
    void wire();

    void mOsr_Click();  // Options > Search, "S&earch"
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command17_Click();
    void Command18_Click();
    void Command19_Click();
    void Command21_Click();
    void Command22_Click();
    void IngredientPanel_Enter();  // Enter in "Search Recipes by Ingredient"
    void ResetRecipeResultGrid();
    void ResetIngredientResultGrid();
    void ViewSearchHit(ui::Grid& grid, ui::Panel& panel);

private:
    void openSearchPanel(ui::Panel& panel);
    void closeSearchPanel(ui::Panel& panel);
    void searchBox_GotFocus(ui::TextBox& box);
    void ingredientBox_Change(int box);
    void setOptionsEnabled(bool on);
    recipe_search::IngredientQuery compactIngredientBoxes();
    // Tells why a search cannot start and puts the focus where to mend it.
    void refuseSearch(const char* text, ui::Control& focus);
    void runIngredientSearch(const std::function<std::vector<recipe_search::SearchHit>()>& search,
                             const std::string& count, ui::CommandButton& button);
    void showIngredientResults(const std::vector<recipe_search::SearchHit>& hits, const std::string& count);
    void resetResultGrid(ui::Grid& grid, const char* typeHeading);
    void showResults(ui::Grid& grid, const std::vector<recipe_search::SearchHit>& hits);

    Form5& w_;
    SearchControls& c_;
    RecipeWindowState& state_;
};

}  // namespace recipes
