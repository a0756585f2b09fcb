#pragma once
#include <string>

#include "platform/ui/controls.h"
#include "reference/food_guide/foodg_state.h"
#include "reference/food_guide/guide_table.h"
#include "shell/activity_window.h"
#include "shell/application.h"

namespace food_guide {

// The food guide: five fixed reference tables (the daily food guide, common
// measures, menu ideas, kitchen hints and healthy substitutions), one at a
// time in a single grid that cannot be edited, chosen by the buttons along
// the panel's bottom or the Options menu.
class Foodg : public shell::ActivityWindow {
public:
    explicit Foodg(shell::Application& app);

    // Toolbar2's buttons by their number.
    enum SideButton { PanelColorButton = 1, HelpButton = 2, ExitButton = 3 };

    // --- the window's controls
    ui::Image* Image1 = nullptr;          // the background picture
    ui::Toolbar* Toolbar1 = nullptr;      // the top toolbar every activity window carries
    ui::Toolbar* Toolbar2 = nullptr;      // the side toolbar on the left: panel colour, help, exit
    ui::Toolbar* Toolbar3 = nullptr;      // the side toolbar on the right, empty
    ui::StatusBar* StatusBar1 = nullptr;  // the window's caption
    ui::Panel* Panel3D1 = nullptr;        // holds the grid and the buttons; its caption is the table's title
    ui::Grid* VSGd1 = nullptr;            // the table shown
    ui::CommandButton* Command3 = nullptr;  // "&Common Measures"
    ui::CommandButton* Command2 = nullptr;  // "&Food Guide"
    ui::CommandButton* Command6 = nullptr;  // "&Healthy Substitutes"
    ui::CommandButton* Command5 = nullptr;  // "&Helpful Hints"
    ui::CommandButton* Command4 = nullptr;  // "&Menu Ideas"
    ui::CommandButton* Command1 = nullptr;  // "E&xit"

    // --- the menus
    ui::Menu* mO = nullptr;    // &Options
    ui::Menu* mOPC = nullptr;  // Options > Panel C&olor
    ui::Menu* mOC = nullptr;   // Options > &Common Measures
    ui::Menu* mOF = nullptr;   // Options > &Food Guide
    ui::Menu* mOHS = nullptr;  // Options > Healthy &Substitutes
    ui::Menu* mOH = nullptr;   // Options > &Helpful Hints
    ui::Menu* mOM = nullptr;   // Options > &Menu Ideas
    ui::Menu* mOe = nullptr;   // Options > E&xit
    ui::Menu* mH = nullptr;    // &Help

    // --- choosing a table
    void Command2_Click();  // the daily food guide
    void Command3_Click();  // common measures
    void Command4_Click();  // menu ideas
    void Command5_Click();  // kitchen hints
    void Command6_Click();  // healthy substitutions
    // Shows a table: the reset, the table built, its own choice disabled.
    void ShowTable(GuideTable table);
    // Hides the grid, offers every table and puts the focus on "E&xit".
    void ResetTableView();
    // Builds a table in the grid with its title over it.
    void BuildTable(GuideTable table);
    // The button and the menu item that choose a table.
    ui::CommandButton& ButtonOf(GuideTable table) const;
    ui::Menu& MenuItemOf(GuideTable table) const;

    // --- buttons, menus and toolbars
    void Command1_Click();
    void mOe_Click();
    void mOPC_Click();
    void Toolbar2_ButtonClick(int button);
    std::string VSGd1_RowCaption(int row) const;

    // --- loading, activation and leaving
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void placeControls() override;

    const FoodgState& state() const { return state_; }
    std::string windowCaption() const;

private:
    int helpTopic() const override;
    void design();

    FoodgState state_;
};

// Makes the food guide window the start window's "&Food Guide".
void RegisterFoodGuide(shell::Application& app);

}  // namespace food_guide
