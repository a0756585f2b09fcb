// Renaming the shown recipe: the rename panel over the recipe, and the new
// name put into the type's index by the store.
#include <string>
#include <vector>

#include "platform/basic/text.h"
#include "recipes/form5.h"
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

void Form5::wireRename() {
    mOChange->onClick = [this] { mOChange_Click(); };
    Command23->onClick = [this] { Command23_Click(); };
    Command24->onClick = [this] { Command24_Click(); };
    Text16->onChange = [this] { Text16_Change(); };
    Text16->onGotFocus = [this] { Text16_GotFocus(); };
    Text16->onLostFocus = [this] { Text16_LostFocus(); };
}

void Form5::mOChange_Click() {
    SaveAnswer = 0;
    if (hasUnsavedEdits()) {
        SaveInPlaceOnYes = 88;
        AskSaveRecipe();
        SaveInPlaceOnYes = 0;
    }
    if (SaveAnswer == platform::answer::Cancel || SaveRefused) {
        SaveAnswer = 0;
        return;
    }
    // After a No the edits stay in the boxes: a Cancel of the rename gives
    // them back their mark, so that they are still asked about later.
    const bool keptUnsaved = SaveAnswer == platform::answer::No;
    RenameHeldChanged = keptUnsaved ? RecipeChanged : 0;
    RenameHeldRecalculated = keptUnsaved ? AmountsRecalculated : 0;

    DisableCookbookMenus();
    setModeTitle("Name Change");
    RecipeChanged = AmountsRecalculated = 0;
    SSPanel10->setCaption(std::string("\r") + RenameTitle);
    Text15->setText(basic::Left(Combo2->Text(), ShownNameLength));
    Text16->setText("");
    Command23->setEnabled(false);
    SSPanel10->setVisible(true);
    Text16->SetFocus();
    EnableUnderRenamePanel(*this, false);
    Toolbar2->setButtonEnabled(4, false);
    SuppressNextPrompt = 99;
}

void Form5::Text16_Change() {
    // A double quote would end the name early in a recipe transfer file.
    std::string name = Text16->Text();
    if (std::erase(name, '"') > 0) {
        Text16->setText(name);  // its own Change enables the button
        return;
    }
    Command23->setEnabled(true);
}

void Form5::Text16_GotFocus() { Text16->setBackColor(ui::colors::Yellow); }

void Form5::Text16_LostFocus() { Text16->setBackColor(Text11->BackColor()); }

void Form5::Command23_Click() {
    if (Text16->Text().empty()) {
        app_.dialogs().MessageBox(
            {RenameTitle, "No Change Recipe Name has been entered!", MsgIcon::Information, MsgButtons::OK, 1});
        Text16->SetFocus();
        return;
    }
    shell::BeginWait(app_);
    // The store rebuilds the index from its file, whatever the list shows.
    const auto type = typeNumber();
    StoreOutcome outcome;
    if (type) outcome = store().Rename(*type, CurrentRecordNumber, Text16->Text());
    else outcome = {StoreResult::IndexFileNotWritten, 0, {}, Combo1->Text()};
    if (!outcome.ok()) {
        // Nothing was written: the panel stays, to try again or cancel.
        shell::EndWait(app_);
        ReportStoreFailure(app_.dialogs(), outcome, RenameTitle);
        Text16->SetFocus();
        return;
    }
    EnableCookbookMenus();
    ResetRecipeEditor();
    List1->Clear();
    setModeTitle("View Recipe");
    shell::EndWait(app_);
    // The editor was emptied: edits answered No are gone with it.
    RenameHeldChanged = RenameHeldRecalculated = 0;
    Command24_Click();
    Combo2->Clear();
    Command2_Click();
}

void Form5::Command24_Click() {
    EnableCookbookMenus();
    Text15->setText("");
    Text16->setText("");
    SSPanel10->setVisible(false);
    EnableUnderRenamePanel(*this, true);
    setModeTitle("View Recipe");
    RecipeChanged = RenameHeldChanged;
    AmountsRecalculated = RenameHeldRecalculated;
    RenameHeldChanged = RenameHeldRecalculated = 0;
    // The commands, the copy button included, follow the state as it is now.
    applyAvailability();
    Command3->SetFocus();
    SuppressNextPrompt = 99;
}

}  // namespace recipes
