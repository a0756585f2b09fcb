// Choosing a recipe type and a recipe, and showing the recipe in the editor.
#include <cmath>

#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "recipes/form5.h"
#include "recipes/store/fraction_snapping.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {
constexpr ui::OleColor Highlight = ui::colors::Yellow;
}  // namespace

void Form5::Combo1_Click() {
    SaveAnswer = 0;
    if (hasUnsavedEdits()) {
        PendingTypeChange = 9;
        PendingType = Combo1->Text();
        AskSaveRecipe();
        // A Yes whose save went through has switched to the type already; a
        // Cancel, a No or a save that did not happen leaves nothing to switch to later.
        PendingTypeChange = 0;
        PendingType.clear();
    }
    if (SaveAnswer == platform::answer::Yes && SaveRefused) return;
    if (SaveAnswer == platform::answer::Yes || SaveAnswer == platform::answer::No) ResetRecipeEditor();
    if (SaveAnswer == platform::answer::Cancel) {
        showType(file().CurrentRecipeType);
        if (ModifyMode == 1 || !Command1->Enabled()) focusAmountLine0();
        return;
    }
    RecipeChanged = ModifyMode = AmountsRecalculated = 0;
    {
        const WindowFills filling(*this);
        Text8->setText("");
    }
    file().CurrentRecipeType = Combo1->Text();
    ResetRecipeEditor();

    if (!Command1->Enabled() || !Command2->Enabled()) {
        List1->Clear();
        Combo2->Clear();
        const auto type = typeNumber();
        // A type without recipes leaves the lists empty; entering the list says so.
        const auto entries = type ? store().ReadSortedIndex(*type) : std::vector<IndexEntry>{};
        for (const IndexEntry& entry : entries) {
            Combo2->AddItem(entry.text);
            List1->AddItem(entry.text);
        }
    }
    if (!SSPanel5->Visible() && Command1->Enabled()) ResetRecipeEditor();
    Combo2->SetFocus();
    SaveAnswer = 0;
    ChosenRecipeEntry.clear();
}

void Form5::Combo1_GotFocus() {
    if (Command1->Enabled() && Command2->Enabled()) {
        RecipeFunctionPrompt();
        return;
    }
    Combo2->setBackColor(Text11->BackColor());
    HideFractionList();
    HideUnitLists();
    CloseSearchOptions();
}

void Form5::Combo1_KeyDown(int& keyCode, int) {
    if (keyCode == ui::keys::Return) Combo2->SetFocus();
}

void Form5::Combo1_KeyPress(int& keyAscii) {
    if (keyAscii == ui::keys::Return) keyAscii = 0;
}

void Form5::Combo1_KeyUp(int&, int) {
    // Typed text never stays: the box shows the type last chosen. A key that
    // typed nothing (an arrow that chose the next type, Tab, Shift) leaves
    // the choice as it is, and says nothing twice.
    if (Combo1->Text() == file().CurrentRecipeType) return;
    showType(file().CurrentRecipeType);
    Combo1_Click();
}

void Form5::Combo2_GotFocus() {
    CloseSearchOptions();
    if (Combo2->ListCount() == 0) {
        ShowNoRecipesFound(Combo1->Text());
        // Creating, the name is typed next, into the box that shows as current.
        if (!Command1->Enabled() && Text8->Visible()) Text8->SetFocus();
        return;
    }
    if (!SaveRefused) {
        if (Command1->Enabled() && !SearchHitPending) openRecipeList();
        if (hasUnsavedEdits()) {
            AskSaveRecipe();
            if (SaveAnswer == platform::answer::Cancel) {
                focusAmountLine0();
            } else if (SaveAnswer == platform::answer::No) {
                RecipeChanged = AmountsRecalculated = 0;
                ResetRecipeEditor();
                Combo1_Click();
                return;
            }
        }
    }
    if (Command1->Enabled() && Command2->Enabled()) {
        RecipeFunctionPrompt();
        return;
    }
    Combo2->setBackColor(Highlight);
    Text8->setBackColor(Highlight);
    HideFractionList();
    HideUnitLists();
    if (!Command1->Enabled() || SaveRefused) {
        if (Text8->Visible()) Text8->SetFocus();
        SaveRefused = false;
    }
    Text8->setBackColor(Text11->BackColor());
    if (Text8->Visible()) Text8->SetFocus();
    if (Combo1->Text().empty()) {
        RequireRecipeType();
        Combo1->SetFocus();
    }
}

void Form5::Combo2_KeyUp(int&, int) {
    // Typed text never stays in the text line: it shows the entry chosen.
    Combo2->setText(ChosenRecipeEntry);
}

void Form5::Combo2_LostFocus() {
    Combo2->setBackColor(Text11->BackColor());
    Text8->setBackColor(Highlight);
    collapseRecipeList();
}

void Form5::Combo2_Click() {
    if (!OldFileConverted()) return;
    if (!SearchHitPending) {
        SaveAnswer = 0;
        if (hasUnsavedEdits()) {
            AskSaveRecipe();
            if (SaveAnswer == platform::answer::Cancel) return;
        }
        Command25->setEnabled(false);
        mOSpell->setEnabled(false);
    }
    ChosenRecipeEntry = Combo2->Text();
    collapseRecipeList();
    app_.runtime().doEvents();
    RecipeChanged = ModifyMode = AmountsRecalculated = 0;
    if (!SearchHitPending) CurrentRecordNumber = static_cast<int>(EntryRecordNumber(ChosenRecipeEntry).value_or(0));
    RecipeBuffer = store().ReadRecord(CurrentRecordNumber);
    RecipeRecordToControls();

    CurrentListIndex = Combo2->ListIndex();
    if (SearchHitPending) {
        // The hit's own entry, found by its record: its text may match others
        // ("Pie 1" lies within "Pie 12"), and delete and rename act on this one.
        CurrentListIndex = -1;
        for (int i = 0; i < Combo2->ListCount() && CurrentListIndex < 0; ++i)
            if (EntryRecordNumber(Combo2->List(i)) == CurrentRecordNumber) CurrentListIndex = i;
        SearchHitPending = false;
    }
    recipeShown_ = true;
    calculatorOpen_ = false;
    applyAvailability();
    Command5->SetFocus();
    SSPanel5->setVisible(false);
    setModeTitle("View Recipe");
}

void Form5::RecipeRecordToControls() {
    const WindowFills filling(*this);
    for (int line = 0; line < IngredientLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        AmountText[i] = basic::RTrim(RecipeBuffer.amounts[i]);
        // The box drops the blank a whole number keeps after rounding up ("2 ").
        Text1[i]->setText(basic::RTrim(FractionSnapping(AmountText[i]).text));
        Text4[i]->setText(basic::RTrim(RecipeBuffer.units[i]));
        Text5[i]->setText(basic::RTrim(RecipeBuffer.ingredients[i]));
    }
    Text2->setText(basic::RTrim(RecipeBuffer.directions));
    showDirectionsLength();
    Text3->setText(basic::RTrim(RecipeBuffer.ovenTemperature));
    Text6->setText(basic::RTrim(RecipeBuffer.yield));
    Text7->setText(basic::RTrim(RecipeBuffer.cookingTime));
    Combo4->setText(basic::RTrim(RecipeBuffer.yieldUnit));
}

void Form5::ShowNoRecipesFound(const std::string& type) {
    collapseRecipeList();
    app_.dialogs().MessageBox(
        {"Recipe Files", "No Recipes for " + type + " were found!", MsgIcon::Information, MsgButtons::OK, 1});
    if (Combo1->effectivelyVisible() && Combo1->effectivelyEnabled()) Combo1->SetFocus();
}

void Form5::RecipeFunctionPrompt() {
    if (SuppressNextPrompt == 99) {
        SuppressNextPrompt = 0;
        return;
    }
    if (SSPanel80->Visible()) return;
    if (SSPanel5->Visible()) Command10_Click();
    CloseSearchOptions();
    app_.dialogs().MessageBox({"Recipe File Function", "Please Select Command Button for action desired.",
                               MsgIcon::Information, MsgButtons::OK, 1});
    if (Command16->Enabled()) Command16->SetFocus();
    else Command3->SetFocus();
}

void Form5::RequireRecipeType() {
    CloseSearchOptions();
    app_.dialogs().MessageBox({"Select Type", "Please select Type first.", MsgIcon::Information, MsgButtons::OK, 1});
    Combo1->SetFocus();
}

void Form5::showType(const std::string& type) {
    int at = -1;
    for (int i = 0; i < Combo1->ListCount() && at < 0; ++i)
        if (Combo1->List(i) == type) at = i;
    showingType_ = true;
    if (at >= 0) Combo1->setListIndex(at);
    else Combo1->setText(type);
    showingType_ = false;
}

void Form5::collapseRecipeList() { Combo2->setHeight(static_cast<int>(std::lround(Panel3D1->Height() * 0.05))); }

void Form5::openRecipeList() { Combo2->setHeight(static_cast<int>(std::lround(Panel3D1->Height() * 0.6))); }

}  // namespace recipes
