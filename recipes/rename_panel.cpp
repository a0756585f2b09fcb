// Renaming the shown recipe: the rename panel over the recipe, and the new
// name put into the type's index by the store.
#include <string>
#include <vector>

#include "platform/basic/text.h"
#include "recipes/recipe_window.h"
#include "recipes/rename_panel.h"
#include "recipes/store/store_messages.h"
#include "shell/hinfo1.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

constexpr char RenameTitle[] = "Recipe Name Change";
// Text15 shows the entry's text only this far: the name, not the record number.
constexpr int ShownNameLength = 40;

// What the rename panel takes away while it is open, so that nothing else
// changes the recipe or the list under it.
void EnableUnderRenamePanel(Form5& w, bool enabled) {
    std::vector<ui::Control*> controls{w.Combo1,   w.Combo2,   w.Command1, w.Command3,  w.Command4,
                                       w.Command5, w.Command7, w.Command8, w.Command16, w.Text2,
                                       w.Text3,    w.Text6,    w.Text7,    w.Combo4};
    for (auto* boxes : {&w.Text1, &w.Text4, &w.Text5}) controls.insert(controls.end(), boxes->begin(), boxes->end());
    for (ui::Control* control : controls) control->setEnabled(enabled);
    for (ui::Menu* menu : {w.mO, w.mEdit, w.mU}) menu->setEnabled(enabled);
}

}  // namespace

void RenamePanel::wire() {
    w_.mOChange->onClick = [this] { mOChange_Click(); };
    c_.Command23->onClick = [this] { Command23_Click(); };
    c_.Command24->onClick = [this] { Command24_Click(); };
    c_.Text16->onChange = [this] { Text16_Change(); };
    c_.Text16->onGotFocus = [this] { Text16_GotFocus(); };
    c_.Text16->onLostFocus = [this] { Text16_LostFocus(); };
}

void RenamePanel::mOChange_Click() {
    state_.SaveAnswer = 0;
    if (w_.hasUnsavedEdits()) {
        state_.SaveInPlaceOnYes = true;
        w_.AskSaveRecipe();
        state_.SaveInPlaceOnYes = false;
    }
    if (state_.SaveAnswer == platform::answer::Cancel || state_.SaveRefused) {
        state_.SaveAnswer = 0;
        return;
    }
    // After a No the edits stay in the boxes: a Cancel of the rename gives
    // them back their mark, so that they are still asked about later.
    const bool keptUnsaved = state_.SaveAnswer == platform::answer::No;
    state_.RenameHeldChanged = keptUnsaved && state_.RecipeChanged;
    state_.RenameHeldRecalculated = keptUnsaved && state_.AmountsRecalculated;

    w_.DisableCookbookMenus();
    w_.setModeTitle("Name Change");
    state_.RecipeChanged = state_.AmountsRecalculated = false;
    c_.SSPanel10->setCaption(std::string("\r") + RenameTitle);
    c_.Text15->setText(basic::Left(w_.Combo2->Text(), ShownNameLength));
    c_.Text16->setText("");
    c_.Command23->setEnabled(false);
    c_.SSPanel10->setVisible(true);
    c_.Text16->SetFocus();
    EnableUnderRenamePanel(w_, false);
    w_.Toolbar2->setButtonEnabled(4, false);
    state_.SuppressNextPrompt = true;
}

void RenamePanel::Text16_Change() {
    // A double quote would end the name early in a recipe transfer file.
    std::string name = c_.Text16->Text();
    if (std::erase(name, '"') > 0) {
        c_.Text16->setText(name);  // its own Change enables the button
        return;
    }
    c_.Command23->setEnabled(true);
}

void RenamePanel::Text16_GotFocus() { c_.Text16->setBackColor(ui::colors::Yellow); }

void RenamePanel::Text16_LostFocus() { c_.Text16->setBackColor(w_.Text11->BackColor()); }

void RenamePanel::Command23_Click() {
    if (c_.Text16->Text().empty()) {
        w_.app_.dialogs().MessageBox(
            {RenameTitle, "No Change Recipe Name has been entered!", MsgIcon::Information, MsgButtons::OK, 1});
        c_.Text16->SetFocus();
        return;
    }
    shell::BeginWait(w_.app_);
    // The store rebuilds the index from its file, whatever the list shows.
    const auto type = w_.typeNumber();
    StoreOutcome outcome;
    if (type) outcome = w_.store().Rename(*type, state_.CurrentRecordNumber, c_.Text16->Text());
    else outcome = {StoreResult::IndexFileNotWritten, 0, {}, w_.Combo1->Text()};
    if (!outcome.ok()) {
        // Nothing was written: the panel stays, to try again or cancel.
        shell::EndWait(w_.app_);
        ReportStoreFailure(w_.app_.dialogs(), outcome, RenameTitle);
        c_.Text16->SetFocus();
        return;
    }
    w_.EnableCookbookMenus();
    w_.ResetRecipeEditor();
    w_.List1->Clear();
    w_.setModeTitle("View Recipe");
    shell::EndWait(w_.app_);
    // The editor was emptied: edits answered No are gone with it.
    state_.RenameHeldChanged = state_.RenameHeldRecalculated = false;
    Command24_Click();
    w_.Combo2->Clear();
    w_.Command2_Click();
}

void RenamePanel::Command24_Click() {
    w_.EnableCookbookMenus();
    c_.Text15->setText("");
    c_.Text16->setText("");
    c_.SSPanel10->setVisible(false);
    EnableUnderRenamePanel(w_, true);
    w_.setModeTitle("View Recipe");
    state_.RecipeChanged = state_.RenameHeldChanged;
    state_.AmountsRecalculated = state_.RenameHeldRecalculated;
    state_.RenameHeldChanged = state_.RenameHeldRecalculated = false;
    // The commands, the copy button included, follow the state as it is now.
    w_.applyAvailability();
    w_.Command3->SetFocus();
    state_.SuppressNextPrompt = true;
}

}  // namespace recipes
