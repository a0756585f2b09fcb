// The amount calculator: scales the recipe shown to a new yield.
#include <array>

#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "recipes/amount_scaling.h"
#include "recipes/calculator_panel.h"
#include "recipes/store/fraction_snapping.h"
#include "recipes/recipe_window.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

constexpr double SmallestYield = .5;
constexpr double LargestYield = 999;

bool IsYieldCharacter(char c) { return c == '.' || (c >= '0' && c <= '9'); }

void ShowCalculatorError(platform::Dialogs& dialogs) {
    dialogs.MessageBox(
        {"Amount Calculator Error",
         "A calculation Error has occured! Most likely an incorreect number was used for the Recipe Yield or the "
         "amount boxes contain an inappropriate number or the maximun amount limit of 999 was exceeded",
         MsgIcon::Information, MsgButtons::OK, 1});
}

}  // namespace

void CalculatorPanel::wire() {
    w_.mOCal->onClick = [this] { mOCal_Click(); };
    w_.Command8->onClick = [this] { Command8_Click(); };
    c_.Command9->onClick = [this] { Command9_Click(); };
    c_.Command10->onClick = [this] { Command10_Click(); };
    c_.Text9->onKeyDown = [this](int& key, int shift) { Text9_KeyDown(key, shift); };
    c_.Text9->onKeyPress = [this](int& key) { Text9_KeyPress(key); };
    c_.Text9->onKeyUp = [this](int& key, int shift) { Text9_KeyUp(key, shift); };
}

void CalculatorPanel::Command8_Click() {
    w_.HideFractionList();
    w_.HideUnitLists();
    mOCal_Click();
}

void CalculatorPanel::mOCal_Click() {
    w_.setModeTitle("Calculate Amts.");
    if (w_.Text6->Text().empty()) {
        w_.app_.dialogs().MessageBox({"Calculate Serving Information",
                                      "There is no current Serving Information\rto perform new calculations on!",
                                      MsgIcon::Information, MsgButtons::OK, 1});
        showModeTitle();
        return;
    }
    c_.Label20->setCaption(w_.Text6->Text());
    c_.Label21->setCaption(w_.Combo4->Text());
    c_.Label24->setCaption(c_.Label21->Caption());
    c_.SSPanel5->setVisible(true);
    // The commands that would replace or store the recipe wait until the panel closes.
    state_.calculatorOpen = true;
    w_.applyAvailability();
    c_.Text9->setText("");
    c_.Text9->SetFocus();
}

void CalculatorPanel::Text9_KeyDown(int& keyCode, int) {
    if (keyCode == ui::keys::Return) Command9_Click();
}

void CalculatorPanel::Text9_KeyPress(int& keyAscii) {
    if (keyAscii == ui::keys::Return) keyAscii = 0;
}

void CalculatorPanel::Text9_KeyUp(int& keyCode, int) {
    if (keyCode == ui::keys::Return) return;
    const std::string& typed = c_.Text9->Text();
    if (keyCode != ui::keys::Backspace) {
        if (typed.empty()) return;
        // Only the character just typed is looked at: a yield is digits and a point.
        if (!IsYieldCharacter(typed.back())) c_.Text9->setText(typed.substr(0, typed.size() - 1));
    }
    c_.Label24->setCaption(YieldUnitFor(c_.Label24->Caption(), YieldValue(c_.Text9->Text())));
    // The unit follows the yield being typed; only a calculation changes the recipe.
    const Form5::WindowFills filling(w_);
    w_.Combo4->setText(c_.Label24->Caption());
}

void CalculatorPanel::Command9_Click() {
    const double newYield = YieldValue(c_.Text9->Text());
    if (newYield < SmallestYield || newYield > LargestYield) {
        w_.app_.dialogs().MessageBox({"Yield Entry Error", "New Yield Amounts can only be between .5 and 999.",
                                      MsgIcon::Information, MsgButtons::OK, 1});
        c_.Text9->setText("");
        c_.Text9->SetFocus();
        return;
    }
    // Every line is worked out before any box changes, so a failure leaves the recipe as it was.
    const std::optional<float> factor = ScaleFactor(YieldValue(c_.Label20->Caption()), newYield);
    if (!factor) {
        ShowCalculatorError(w_.app_.dialogs());
        return;
    }
    std::array<ScaledAmount, w_.LineCount> scaled;
    for (std::size_t i = 0; i < scaled.size(); ++i) {
        const std::optional<ScaledAmount> line = ScaleAmount(state_.AmountText[i], *factor);
        if (!line) {
            ShowCalculatorError(w_.app_.dialogs());
            return;
        }
        scaled[i] = *line;
    }

    {
        // The calculator's own writing is no edit: it is marked as a recalculation below.
        const Form5::WindowFills filling(w_);
        w_.Text6->setText(c_.Text9->Text());
        for (std::size_t i = 0; i < scaled.size(); ++i) {
            const std::string& amount = scaled[i].text;
            w_.Text1[i]->setText(state_.modifying() ? amount : basic::RTrim(FractionSnapping(amount).text));
            state_.AmountText[i] = amount;
            if (auto unit = UnitFor(w_.Text4[i]->Text(), scaled[i].scaled)) w_.Text4[i]->setText(*unit);
        }
    }
    state_.AmountsRecalculated = true;
    c_.Label20->setCaption(w_.Text6->Text());
    // Save and the spelling check wait for the panel to close.
    w_.applyAvailability();
}

void CalculatorPanel::Command10_Click() {
    w_.EnableCookbookMenus();
    c_.SSPanel5->setVisible(false);
    state_.calculatorOpen = false;
    // What the recipe's state offers comes back; a recalculation counts as an edit to save.
    w_.applyAvailability();
    showModeTitle();
}

void CalculatorPanel::showModeTitle() {
    if (state_.modifying()) {
        w_.setModeTitle("Modify Recipe");
        w_.focusAmountLine0();
    } else {
        w_.setModeTitle("View Recipe");
    }
}

}  // namespace recipes
