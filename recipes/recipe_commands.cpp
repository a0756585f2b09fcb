// The recipe commands: Create, View, Save and Exit, the save question, and
// the reset of the editor between them.
#include "platform/basic/text.h"
#include "recipes/recipe_window.h"
#include "recipes/store/store_messages.h"
#include "shell/hinfo1.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {
constexpr ui::OleColor DarkBlue = ui::Rgb(0, 0, 128);
}  // namespace

// --- the buttons, which tidy up before running their command

void Form5::Command1_Click() {
    HideFractionList();
    HideUnitLists();
    CloseSearchOptions();
    mOChange->setEnabled(false);
    mOCr_Click();
}

void Form5::Command2_Click() {
    Combo2->Clear();
    HideFractionList();
    HideUnitLists();
    CloseSearchOptions();
    mOV_Click();
}

void Form5::Command3_Click() {
    HideFractionList();
    HideUnitLists();
    CloseSearchOptions();
    mOe_Click();
}

void Form5::Command6_Click() {
    HideFractionList();
    HideUnitLists();
    CloseSearchOptions();
    mOSa_Click();
}

// --- the commands

void Form5::mOCr_Click() {
    if (!OldFileConverted()) return;
    HideFractionList();
    HideUnitLists();
    if (Combo1->Text().empty()) showType(std::string(RecipeTypeName(1)));
    state_.SaveAnswer = 0;
    const bool asked = hasUnsavedEdits();
    if (asked) AskSaveRecipe();
    if (state_.SaveAnswer == platform::answer::Cancel) {
        if (state_.editing()) focusAmountLine0();
        return;
    }
    // A recipe that could not be saved (no name) stays in the editor.
    if (asked && state_.SaveRefused) return;
    state_.RecipeChanged = state_.AmountsRecalculated = false;
    collapseRecipeList();
    state_.mode = RecipeMode::Create;
    state_.recipeShown = false;
    ResetRecipeEditor();
    setModeTitle("Create Recipe");
    if (!Combo1->Text().empty()) {
        Combo1_Click();
        Text8->setVisible(true);
        app_.runtime().doEvents();
        Text8->SetFocus();
    } else {
        Combo1->SetFocus();
    }
}

void Form5::mOV_Click() {
    if (!OldFileConverted()) return;
    HideFractionList();
    HideUnitLists();
    if (Combo1->Text().empty()) {
        showType(std::string(RecipeTypeName(1)));
        file().CurrentRecipeType = Combo1->Text();
    }
    state_.SaveAnswer = 0;
    const bool asked = hasUnsavedEdits();
    if (asked) AskSaveRecipe();
    if (state_.SaveAnswer == platform::answer::Cancel) {
        if (state_.creating()) focusAmountLine0();
        return;
    }
    if (asked && state_.SaveRefused) {
        Combo2->SetFocus();
        return;
    }
    state_.RecipeChanged = state_.AmountsRecalculated = false;
    openRecipeList();
    state_.mode = RecipeMode::View;
    SSPanel3->setVisible(false);
    state_.recipeShown = false;
    ResetRecipeEditor();
    setModeTitle("View Recipe");
    if (!Combo1->Text().empty()) Combo1_Click();
    else Combo1->SetFocus();
}

void Form5::mOSa_Click() {
    state_.SaveRefused = false;
    if (state_.creating() && Text8->Text().empty() && !state_.AmountsRecalculated) {
        app_.dialogs().MessageBox(
            {"Save", "Please enter Recipe Name in order to save!", MsgIcon::Information, MsgButtons::OK, 1});
        state_.SaveRefused = true;
        Combo2->SetFocus();
        return;
    }
    state_.RecipeChanged = false;
    const bool saved = !state_.modifying() && !state_.AmountsRecalculated ? SaveNewRecipe() : PutCurrentRecipe();
    if (!saved) {
        // Nothing was written: the recipe stays in the editor, still to be saved.
        state_.RecipeChanged = true;
        applyAvailability();
        return;
    }
    state_.recipeShown = false;
    ResetRecipeEditor();
    if (state_.SaveForImport) return;
    if (state_.modifying()) setModeTitle("View Recipe");
    // The saved recipe may change what a name search found.
    Grid1->setVisible(false);
    Label32->setVisible(false);
    state_.endModify();
    state_.AmountsRecalculated = false;
    if (state_.PendingTypeChange) {
        showType(state_.PendingType);
        state_.PendingTypeChange = false;
    }
    Combo1_Click();
}

void Form5::Command4_Click() {
    HideFractionList();
    HideUnitLists();
    mODel_Click();
}

void Form5::Command5_Click() {
    HideFractionList();
    HideUnitLists();
    mOMo_Click();
    // The button offers the spelling check at once; the menu item does not.
    state_.modifyByButton = true;
    applyAvailability();
}

void Form5::mOMo_Click() {
    state_.mode = RecipeMode::Modify;
    state_.RecipeChanged = state_.AmountsRecalculated = false;
    state_.modifyByButton = false;
    {
        // The decimal amounts replace the fractions shown, as only decimals are typed.
        const WindowFills filling(*this);
        for (int line = 0; line < IngredientLineCount; ++line)
            Text1[static_cast<std::size_t>(line)]->setText(state_.AmountText[static_cast<std::size_t>(line)]);
    }
    setModeTitle("Modify Recipe");
    applyAvailability();
    focusAmountLine0();
}

void Form5::mODel_Click() {
    StatusBar1->setPanelText(1, "Delete Recipe");
    state_.modeTitle = "Delete Recipe";
    SSPanel4->setCaption(state_.modeTitle);
    SSPanel4->setForeColor(ui::Rgb(128, 0, 0));
    const int answer = app_.dialogs().MessageBox(
        {"Delete Recipe", "Do you Really want to delete this Recipe?", MsgIcon::Question, MsgButtons::YesNoCancel, 2});
    if (answer == platform::answer::Yes) {
        const auto type = typeNumber();
        // The store finds the entry by the record's number in the index file
        // itself, so a list on screen that is out of step cannot matter.
        const StoreOutcome outcome = type ? store().Delete(*type, state_.CurrentRecordNumber)
                                          : StoreOutcome{StoreResult::IndexFileNotWritten, 0, {}, Combo1->Text()};
        if (outcome.ok()) {
            // The deleted recipe's edits are gone with it: no question about them.
            state_.endModify();
            state_.RecipeChanged = state_.AmountsRecalculated = false;
            ResetRecipeEditor();
            Combo1_Click();
            for (ui::Control* result : std::initializer_list<ui::Control*>{Label32, Label7, Grid1, Grid2})
                result->setVisible(false);
            for (ui::TextBox* word : {Text12, Text13, Text14}) word->setText("");
            Combo7->setText("");
        } else {
            ReportStoreFailure(app_.dialogs(), outcome, "Delete");
        }
    }
    setModeTitle(state_.modifying() ? "Modify Recipe" : "View Recipe");
    if (state_.modifying()) focusAmountLine0();
    StatusBar1->setPanelText(1, Caption());
}

void Form5::mOe_Click() { ExitWindow(); }

bool Form5::AskBeforeLeaving() {
    state_.SaveAnswer = 0;
    const bool asked = hasUnsavedEdits();
    if (asked) AskSaveRecipe();
    return state_.SaveAnswer != platform::answer::Cancel && !(asked && state_.SaveRefused);
}

void Form5::AskSaveRecipe() {
    state_.SaveRefused = false;
    CloseSearchOptions();
    state_.SaveAnswer = app_.dialogs().MessageBox({"Recipe File", "Save Current Recipe before next action or exiting?",
                                                   MsgIcon::Question, MsgButtons::YesNoCancel, 1});
    if (state_.SaveAnswer != platform::answer::Yes) return;
    // A Yes whose save did not happen (no name, or nothing could be written)
    // stops the caller as a refusal does, so the edits are not dropped.
    if (state_.SaveInPlaceOnYes) {
        state_.SaveInPlaceOnYes = false;
        if (!PutCurrentRecipe()) state_.SaveRefused = true;
        return;
    }
    // The recipe is filed under its own type, whatever type was just picked.
    showType(file().CurrentRecipeType);
    mOSa_Click();
    if (hasUnsavedEdits()) state_.SaveRefused = true;
}

void Form5::ResetRecipeEditor() {
    const WindowFills filling(*this);
    for (int line = 0; line < IngredientLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        state_.AmountText[i].clear();
        Text1[i]->setText("");
        Text4[i]->setText("");
        Text5[i]->setText("");
    }
    for (ui::TextBox* box : {Text2, Text3, Text6, Text7, Text8}) box->setText("");
    Combo4->setText("");
    for (ui::Control* box : std::initializer_list<ui::Control*>{Text6, Text7, Text8, Combo4})
        box->setBackColor(Text11->BackColor());
    state_.recipeShown = false;
    state_.modifyByButton = false;
    state_.calculatorOpen = false;
    applyAvailability();
    showDirectionsLength();
    if (!state_.creating() && state_.mode != RecipeMode::NoCommand) Text8->setVisible(false);
    SSPanel5->setVisible(false);
}

// --- pick lists and search options, which later commands fill in

void Form5::HideFractionList() { Combo3->setVisible(false); }

void Form5::HideUnitLists() {
    Combo5->setVisible(false);
    Combo6->setVisible(false);
}

void Form5::CloseSearchOptions() {
    if (!SSPanel6->Visible()) return;
    SSPanel6->setVisible(false);
    RestoreRecipeMenus();
}

void Form5::RestoreRecipeMenus() {
    for (ui::Menu* item : {mOCr, mOV, mOCal, mOMo, mOP, mODel, mOSa, mO1, mO2, mO3, mO4, mO8, mOCo1})
        item->setVisible(true);
    mEdit->setEnabled(true);
    state_.searchOpen = false;
    mOsr->setChecked(false);
    applyAvailability();
}

// --- modes and availability

void Form5::setModeTitle(const char* title) {
    state_.modeTitle = title;
    SSPanel4->setCaption(title);
    SSPanel4->setForeColor(DarkBlue);
}

void Form5::focusAmountLine0() { Text1[0]->SetFocus(); }

AvailabilityInputs Form5::windowState() const {
    AvailabilityInputs state;
    state.mode = state_.mode;
    state.recipeShown = state_.recipeShown;
    state.edited = state_.unsavedEdits();
    state.nameShown = !basic::LTrim(Text8->Text()).empty() || !Combo2->Text().empty();
    state.modifyByButton = state_.modifyByButton;
    state.calculatorOpen = state_.calculatorOpen;
    return state;
}

void Form5::applyAvailability() {
    const RecipeCommands c = Availability(windowState());
    Command1->setEnabled(c.create);
    mOCr->setEnabled(c.createMenu);
    Command2->setEnabled(c.view);
    mOV->setEnabled(c.view);
    Command5->setEnabled(c.modify);
    mOMo->setEnabled(c.modify);
    Command4->setEnabled(c.deleteRecipe);
    mODel->setEnabled(c.deleteRecipe);
    Toolbar2->setButtonEnabled(3, c.deleteRecipe);
    Command8->setEnabled(c.calculate);
    mOCal->setEnabled(c.calculate);
    Command7->setEnabled(c.print);
    mOP->setEnabled(c.print);
    Toolbar2->setButtonEnabled(5, c.printSide);
    Command6->setEnabled(c.save);
    mOSa->setEnabled(c.save);
    Command25->setEnabled(c.spellCheck);
    mOSpell->setEnabled(c.spellCheck);
    state_.copyOffered = c.copyMenu;
    mOCo1->setEnabled(c.copyMenu);
    Toolbar2->setButtonEnabled(4, c.copySide);
    mOIm->setEnabled(c.importRecipe);
    mOex->setEnabled(c.exportRecipe);
    mOChange->setEnabled(c.rename);
}

}  // namespace recipes
