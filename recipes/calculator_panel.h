#pragma once
#include "platform/ui/controls.h"
#include "recipes/recipe_window_state.h"

namespace recipes {

class Form5;

// "Recipe Amount Calculator", over the directions, by the names its
// documents use.
struct CalculatorControls {
    ui::Panel* SSPanel5 = nullptr;
    ui::Label* Label20 = nullptr;            // the yield the amounts are scaled to now
    ui::Label* Label21 = nullptr;            // that yield's unit
    ui::TextBox* Text9 = nullptr;            // the new yield
    ui::Label* Label24 = nullptr;            // the new yield's unit, singular or plural as the user types
    ui::CommandButton* Command9 = nullptr;   // "Calculate New &Amounts"
    ui::CommandButton* Command10 = nullptr;  // "&Close"
};

// Scales the recipe shown to a new yield. While it is open the commands that
// would replace, store or print the recipe wait.
class CalculatorPanel {
public:
    CalculatorPanel(Form5& window, CalculatorControls& controls, RecipeWindowState& state)
        : w_(window), c_(controls), state_(state) {}
    void wire();

    void mOCal_Click();     // Options > Calculate Amounts
    void Command8_Click();  // "C&alculate"
    void Command9_Click();
    void Command10_Click();
    void Text9_KeyDown(int& keyCode, int shift);
    void Text9_KeyPress(int& keyAscii);
    void Text9_KeyUp(int& keyCode, int shift);

private:
    void showModeTitle();  // "View Recipe", or "Modify Recipe" with the focus on the first amount

    Form5& w_;
    CalculatorControls& c_;
    RecipeWindowState& state_;
};

}  // namespace recipes
