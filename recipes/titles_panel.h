#pragma once
#include <array>

#include "platform/ui/controls.h"
#include "recipes/recipe_window_state.h"

namespace recipes {

class Form5;

// "Cookbook Titles", over the recipe, by the names its documents use.
struct TitlesControls {
    static constexpr int TitleCount = 8;
    ui::Panel* SSPanel12 = nullptr;
    std::array<ui::TextBox*, TitleCount> Text17{};  // the title of cookbook i + 1
    ui::CommandButton* SSCommand3 = nullptr;        // "&Close"
    ui::CommandButton* SSCommand4 = nullptr;        // "&Save Changes and Close"
};

// The titles of the eight cookbooks: shown as stored, saved all at once,
// after which the window loads afresh under the new title.
class TitlesPanel {
public:
    TitlesPanel(Form5& window, TitlesControls& controls, RecipeWindowState& state)
        : w_(window), c_(controls), state_(state) {}
    void wire();

    void mOCBTle_Click();  // Options > Cookbook Titles
    void SSCommand3_Click();
    void SSCommand4_Click();

private:
    Form5& w_;
    TitlesControls& c_;
    RecipeWindowState& state_;
};

}  // namespace recipes
