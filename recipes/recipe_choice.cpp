// Choosing a recipe type and a recipe, and showing the recipe in the editor.
#include <cmath>

#include "platform/basic/text.h"
#include "platform/ui/keys.h"
#include "recipes/store/fraction_snapping.h"
#include "recipes/recipe_window.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {
constexpr ui::OleColor Highlight = ui::colors::Yellow;
}  // namespace

void Form5::Combo1_Click() {
    state_.SaveAnswer = 0;
    if (hasUnsavedEdits()) {
        state_.PendingTypeChange = true;
        state_.PendingType = Combo1->Text();
        AskSaveRecipe();
        // A Yes whose save went through has switched to the type already; a
        // Cancel, a No or a save that did not happen leaves nothing to switch to later.
        state_.PendingTypeChange = false;
        state_.PendingType.clear();
    }
    if (state_.SaveAnswer == platform::answer::Yes && state_.SaveRefused) return;
    if (state_.SaveAnswer == platform::answer::Yes || state_.SaveAnswer == platform::answer::No) ResetRecipeEditor();
    if (state_.SaveAnswer == platform::answer::Cancel) {
        showType(file().CurrentRecipeType);
        if (state_.editing()) focusAmountLine0();
        return;
    }
    state_.endModify();
    state_.RecipeChanged = state_.AmountsRecalculated = false;
    {
        const WindowFills filling(*this);
        Text8->setText("");
    }
    file().CurrentRecipeType = Combo1->Text();
    ResetRecipeEditor();

    if (state_.mode != RecipeMode::NoCommand) {
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
    if (!state_.calculatorOpen && !state_.creating()) ResetRecipeEditor();
    Combo2->SetFocus();
    state_.SaveAnswer = 0;
    state_.ChosenRecipeEntry.clear();
}

void Form5::Combo1_GotFocus() {
    if (state_.mode == RecipeMode::NoCommand) {
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
        if (state_.creating() && Text8->Visible()) Text8->SetFocus();
        return;
    }
    if (!state_.SaveRefused) {
        if (!state_.creating() && !state_.SearchHitPending) openRecipeList();
        if (hasUnsavedEdits()) {
            AskSaveRecipe();
            if (state_.SaveAnswer == platform::answer::Cancel) {
                focusAmountLine0();
            } else if (state_.SaveAnswer == platform::answer::No) {
                state_.RecipeChanged = state_.AmountsRecalculated = false;
                ResetRecipeEditor();
                Combo1_Click();
                return;
            }
        }
    }
    if (state_.mode == RecipeMode::NoCommand) {
        RecipeFunctionPrompt();
        return;
    }
    Combo2->setBackColor(Highlight);
    Text8->setBackColor(Highlight);
    HideFractionList();
    HideUnitLists();
    if (state_.creating() || state_.SaveRefused) {
        if (Text8->Visible()) Text8->SetFocus();
        state_.SaveRefused = false;
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
    Combo2->setText(state_.ChosenRecipeEntry);
}

void Form5::Combo2_LostFocus() {
    Combo2->setBackColor(Text11->BackColor());
    Text8->setBackColor(Highlight);
    collapseRecipeList();
}

void Form5::Combo2_Click() {
    if (!OldFileConverted()) return;
    if (!state_.SearchHitPending) {
        state_.SaveAnswer = 0;
        if (hasUnsavedEdits()) {
            AskSaveRecipe();
            if (state_.SaveAnswer == platform::answer::Cancel) return;
        }
        Command25->setEnabled(false);
        mOSpell->setEnabled(false);
    }
    state_.ChosenRecipeEntry = Combo2->Text();
    collapseRecipeList();
    app_.runtime().doEvents();
    state_.endModify();
    state_.RecipeChanged = state_.AmountsRecalculated = false;
    if (!state_.SearchHitPending)
        state_.CurrentRecordNumber = static_cast<int>(EntryRecordNumber(state_.ChosenRecipeEntry).value_or(0));
    state_.RecipeBuffer = store().ReadRecord(state_.CurrentRecordNumber);
    RecipeRecordToControls();

    state_.CurrentListIndex = Combo2->ListIndex();
    if (state_.SearchHitPending) {
        // The hit's own entry, found by its record: its text may match others
        // ("Pie 1" lies within "Pie 12"), and delete and rename act on this one.
        state_.CurrentListIndex = -1;
        for (int i = 0; i < Combo2->ListCount() && state_.CurrentListIndex < 0; ++i)
            if (EntryRecordNumber(Combo2->List(i)) == state_.CurrentRecordNumber) state_.CurrentListIndex = i;
        state_.SearchHitPending = false;
    }
    state_.recipeShown = true;
    state_.calculatorOpen = false;
    applyAvailability();
    Command5->SetFocus();
    SSPanel5->setVisible(false);
    setModeTitle("View Recipe");
}

void Form5::RecipeRecordToControls() { showDraft(DraftFromRecord(state_.RecipeBuffer)); }

void Form5::ShowNoRecipesFound(const std::string& type) {
    collapseRecipeList();
    app_.dialogs().MessageBox(
        {"Recipe Files", "No Recipes for " + type + " were found!", MsgIcon::Information, MsgButtons::OK, 1});
    if (Combo1->effectivelyVisible() && Combo1->effectivelyEnabled()) Combo1->SetFocus();
}

void Form5::RecipeFunctionPrompt() {
    if (state_.SuppressNextPrompt) {
        state_.SuppressNextPrompt = false;
        return;
    }
    if (preview().isOpen()) return;
    if (state_.calculatorOpen) calculator_.Command10_Click();
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
    state_.showingType = true;
    if (at >= 0) Combo1->setListIndex(at);
    else Combo1->setText(type);
    state_.showingType = false;
}

void Form5::collapseRecipeList() { Combo2->setHeight(static_cast<int>(std::lround(Panel3D1->Height() * 0.05))); }

void Form5::openRecipeList() { Combo2->setHeight(static_cast<int>(std::lround(Panel3D1->Height() * 0.6))); }

}  // namespace recipes
