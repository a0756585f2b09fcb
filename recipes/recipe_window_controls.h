#pragma once
#include <array>

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "printing/preview_panel_design.h"
#include "recipes/calculator_panel.h"
#include "recipes/picks_panel.h"
#include "recipes/preview_panel.h"
#include "recipes/rename_panel.h"
#include "recipes/search_panel.h"
#include "recipes/titles_panel.h"

namespace recipes {

// The recipe window's controls and menus, by the names its documents use.
// The window derives from this; BuildForm5 makes them as designed and
// BindForm5 points the members at them. The panels that are classes of
// their own declare their controls beside them.
struct Form5Controls : CalculatorControls,
                       PicksControls,
                       PreviewControls,
                       RenameControls,
                       SearchControls,
                       TitlesControls {
    // Lines of the recipe: Text1, Text4 and Text5 hold line i at index i;
    // lines 0-9 form the left column, 10-19 the right one.
    static constexpr int LineCount = 20;
    static constexpr int LinesPerColumn = 10;
    static constexpr int CookbookCount = 8;

    // The window and its bars
    ui::Image* Image1 = nullptr;          // the background picture behind everything
    ui::TextBox* Text11 = nullptr;        // never shown: holds the window colour, the editor boxes' usual background
    ui::Toolbar* Toolbar1 = nullptr;      // the top toolbar: back to the start window, web site, help, exit
    ui::Toolbar* Toolbar2 = nullptr;      // the side toolbar down the left edge: colour, search, delete, copy, print...
    ui::Toolbar* Toolbar3 = nullptr;      // the side toolbar down the right edge
    ui::StatusBar* StatusBar1 = nullptr;  // the bar along the bottom: the caption, or the command that runs
    ui::Panel* Panel3D1 = nullptr;        // the main panel in the middle: type, names, commands, the recipe

    // The main panel's top: type, mode and name
    ui::Label* Label25 = nullptr;    // "Type:", over the type box
    ui::ComboBox* Combo1 = nullptr;  // the recipe type box, 22 types
    ui::Panel* SSPanel4 = nullptr;   // the mode title: "Recipe Files", "View Recipe", "Create Recipe"...
    ui::ComboBox* Combo2 = nullptr;  // the recipe name list of the type; opens downwards while a name is chosen
    ui::TextBox* Text8 = nullptr;    // the new recipe's name, over the name list
    // Captions of the main panel and of some side panels, by the indexes of recipe_window_design.cpp
    std::array<ui::Label*, 26> Label1{};

    // The command buttons, in a row under the top
    ui::Panel* SSPanel1 = nullptr;           // the row's panel
    ui::CommandButton* Command1 = nullptr;   // "&Create"
    ui::CommandButton* Command2 = nullptr;   // "&View"
    ui::CommandButton* Command5 = nullptr;   // "&Modify"
    ui::CommandButton* Command6 = nullptr;   // "&Save"
    ui::CommandButton* Command4 = nullptr;   // "&Delete"
    ui::CommandButton* Command8 = nullptr;   // "C&alculate"
    ui::CommandButton* Command7 = nullptr;   // "&Print"
    ui::CommandButton* Command25 = nullptr;  // "S&pelling Check"
    ui::CommandButton* Command16 = nullptr;  // "S&earch"
    ui::CommandButton* Command3 = nullptr;   // "E&xit"

    // The recipe
    std::array<ui::TextBox*, LineCount> Text1{};  // the amount of each line
    std::array<ui::TextBox*, LineCount> Text4{};  // the unit of each line
    std::array<ui::TextBox*, LineCount> Text5{};  // the ingredient of each line
    ui::ComboBox* Combo3 = nullptr;  // the fraction pick list; only its button shows, right of the amount box
    ui::ComboBox* Combo5 = nullptr;  // the singular unit pick list, right of the unit box
    ui::ComboBox* Combo6 = nullptr;  // the plural unit pick list, right of the unit box
    ui::TextBox* Text2 = nullptr;    // the directions
    ui::Label* Label13 = nullptr;    // the directions' length in characters, red above 950
    ui::TextBox* Text3 = nullptr;    // the oven temperature
    ui::TextBox* Text7 = nullptr;    // the cooking time
    ui::TextBox* Text6 = nullptr;    // the yield
    ui::ComboBox* Combo4 = nullptr;  // the yield unit

    // "Current Recipe Names", beside the name box while a recipe is created
    ui::Panel* SSPanel3 = nullptr;
    ui::ListBox* List1 = nullptr;  // the type's recipe names, to look at only

    // "Search Options" and the two search panels: SearchControls

    // "Recipe Amount Calculator", "Recipe Name Change" and "Cookbook Titles":
    // CalculatorControls, RenameControls and TitlesControls

    // The notice while an older cookbook is converted
    ui::Panel* SSPanel11 = nullptr;
    ui::Label* Label11 = nullptr;             // "Recipe function has found an older recipe data base..."
    ui::ProgressBar* ProgressBar1 = nullptr;  // the records converted, of 30000

    // The print preview, over the main panel: PreviewControls

    // "Select Additional Recipes", over the print preview: PicksControls

    // Menus
    ui::Menu* mO = nullptr;                        // Options
    ui::Menu* mOC = nullptr;                       // Options > Panel Color
    ui::Menu* mOCB = nullptr;                      // Options > Select Cookbook
    std::array<ui::Menu*, CookbookCount> mOCB1{};  // Options > Select Cookbook > Cookbook #1 to #8: [n - 1] is #n
    ui::Menu* mOCBTle = nullptr;                   // Options > Cookbook Titles
    ui::Menu* mOsr = nullptr;                      // Options > Search
    ui::Menu* mOCr = nullptr;                      // Options > Create Recipe
    ui::Menu* mO1 = nullptr;                       // Options: the line under Create Recipe
    ui::Menu* mOV = nullptr;                       // Options > View Recipe
    ui::Menu* mOMo = nullptr;                      // Options > Modify Recipe
    ui::Menu* mOChange = nullptr;                  // Options > Change Recipe Name
    ui::Menu* mO2 = nullptr;                       // Options: the line under Change Recipe Name
    ui::Menu* mODel = nullptr;                     // Options > Delete Recipe
    ui::Menu* mO3 = nullptr;                       // Options: the line under Delete Recipe
    ui::Menu* mOCal = nullptr;                     // Options > Calculate Amounts
    ui::Menu* mO8 = nullptr;                       // Options: the line under Calculate Amounts
    ui::Menu* mOCopy = nullptr;                    // Options > Copy, shown only while the menu pops up at the mouse
    ui::Menu* mOP = nullptr;                       // Options > Print
    ui::Menu* mOSa = nullptr;                      // Options > Save
    ui::Menu* mOSpell = nullptr;                   // Options > Spelling Check
    ui::Menu* mO4 = nullptr;                       // Options: the line under Spelling Check
    ui::Menu* mOW = nullptr;                       // Options > Print Worksheet
    ui::Menu* mOex = nullptr;                      // Options > Export Recipe
    ui::Menu* mOIm = nullptr;                      // Options > Import Recipe
    ui::Menu* mOe = nullptr;                       // Options > Exit
    ui::Menu* mEdit = nullptr;                     // Edit
    ui::Menu* mOCo1 = nullptr;                     // Edit > Copy
    ui::Menu* mU = nullptr;                        // Utilities
    ui::Menu* mUB = nullptr;                       // Utilities > Backup Recipes to Disk
    ui::Menu* mUR = nullptr;                       // Utilities > Restore Recipes from Disk
    ui::Menu* mH = nullptr;                        // Help, a title without items
};

// Adds the recipe window's controls and menus to the form, as designed for
// the smaller screen display (12000 by 9000 twips outside).
void BuildForm5(ui::Form& form);
// Where the print preview panel's controls lie in the recipe window.
extern const printing::PreviewPanelDesign RecipePreviewDesign;
// Points the members at what BuildForm5 made, by the rows it made them from.
void BindForm5(ui::Form& form, Form5Controls& c);

}  // namespace recipes
