// The amount calculator: scales the recipe shown to a new yield.
#include <array>

#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "recipes/amount_scaling.h"
#include "recipes/form5.h"
#include "recipes/store/fraction_snapping.h"

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

void Form5::wireCalculator() {
    mOCal->onClick = [this] { mOCal_Click(); };
    Command8->onClick = [this] { Command8_Click(); };
    Command9->onClick = [this] { Command9_Click(); };
    Command10->onClick = [this] { Command10_Click(); };
    Text9->onKeyDown = [this](int& key, int shift) { Text9_KeyDown(key, shift); };
    Text9->onKeyPress = [this](int& key) { Text9_KeyPress(key); };
    Text9->onKeyUp = [this](int& key, int shift) { Text9_KeyUp(key, shift); };
}

void Form5::Command8_Click() {
    HideFractionList();
    HideUnitLists();
    mOCal_Click();
}

void Form5::mOCal_Click() {
    setModeTitle("Calculate Amts.");
    if (Text6->Text().empty()) {
        app_.dialogs().MessageBox({"Calculate Serving Information",
                                   "There is no current Serving Information\rto perform new calculations on!",
                                   MsgIcon::Information, MsgButtons::OK, 1});
        showModeTitle();
        return;
    }
    Label20->setCaption(Text6->Text());
    Label21->setCaption(Combo4->Text());
    Label24->setCaption(Label21->Caption());
    SSPanel5->setVisible(true);
    // The commands that would replace or store the recipe wait until the panel closes.
    calculatorOpen_ = true;
    applyAvailability();
    Text9->setText("");
    Text9->SetFocus();
}

void Form5::Text9_KeyDown(int& keyCode, int) {
    if (keyCode == ui::keys::Return) Command9_Click();
}

void Form5::Text9_KeyPress(int& keyAscii) {
    if (keyAscii == ui::keys::Return) keyAscii = 0;
}

void Form5::Text9_KeyUp(int& keyCode, int) {
    if (keyCode == ui::keys::Return) return;
    const std::string& typed = Text9->Text();
    if (keyCode != ui::keys::Backspace) {
        if (typed.empty()) return;
        // Only the character just typed is looked at: a yield is digits and a point.
        if (!IsYieldCharacter(typed.back())) Text9->setText(typed.substr(0, typed.size() - 1));
    }
    Label24->setCaption(YieldUnitFor(Label24->Caption(), YieldValue(Text9->Text())));
    // The unit follows the yield being typed; only a calculation changes the recipe.
    const WindowFills filling(*this);
    Combo4->setText(Label24->Caption());
}

void Form5::Command9_Click() {
    const double newYield = YieldValue(Text9->Text());
    if (newYield < SmallestYield || newYield > LargestYield) {
        app_.dialogs().MessageBox({"Yield Entry Error", "New Yield Amounts can only be between .5 and 999.",
                                   MsgIcon::Information, MsgButtons::OK, 1});
        Text9->setText("");
        Text9->SetFocus();
        return;
    }
    // Every line is worked out before any box changes, so a failure leaves the recipe as it was.
    const std::optional<float> factor = ScaleFactor(YieldValue(Label20->Caption()), newYield);
    if (!factor) {
        ShowCalculatorError(app_.dialogs());
        return;
    }
    std::array<ScaledAmount, LineCount> scaled;
    for (std::size_t i = 0; i < scaled.size(); ++i) {
        const std::optional<ScaledAmount> line = ScaleAmount(AmountText[i], *factor);
        if (!line) {
            ShowCalculatorError(app_.dialogs());
            return;
        }
        scaled[i] = *line;
    }

    {
        // The calculator's own writing is no edit: it is marked as a recalculation below.
        const WindowFills filling(*this);
        Text6->setText(Text9->Text());
        for (std::size_t i = 0; i < scaled.size(); ++i) {
            const std::string& amount = scaled[i].text;
            Text1[i]->setText(ModifyMode == 1 ? amount : basic::RTrim(FractionSnapping(amount).text));
            AmountText[i] = amount;
            if (auto unit = UnitFor(Text4[i]->Text(), scaled[i].scaled)) Text4[i]->setText(*unit);
        }
    }
    AmountsRecalculated = 9;
    Label20->setCaption(Text6->Text());
    // Save and the spelling check wait for the panel to close.
    applyAvailability();
}

void Form5::Command10_Click() {
    EnableCookbookMenus();
    SSPanel5->setVisible(false);
    calculatorOpen_ = false;
    // What the recipe's state offers comes back; a recalculation counts as an edit to save.
    applyAvailability();
    showModeTitle();
}

void Form5::showModeTitle() {
    if (ModifyMode == 1) {
        setModeTitle("Modify Recipe");
        focusAmountLine0();
    } else {
        setModeTitle("View Recipe");
    }
}

}  // namespace recipes
