// The recipe commands: Create, View, Save and Exit, the save question, and
// the reset of the editor between them.
#include "platform/basic/text.h"
#include "recipes/form5.h"
#include "recipes/store/old_cookbook_format.h"
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
    SaveAnswer = 0;
    const bool asked = hasUnsavedEdits();
    if (asked) AskSaveRecipe();
    if (SaveAnswer == platform::answer::Cancel) {
        if (ModifyMode == 1 || !Command1->Enabled()) focusAmountLine0();
        return;
    }
    // A recipe that could not be saved (no name) stays in the editor.
    if (asked && SaveRefused) return;
    RecipeChanged = ModifyMode = AmountsRecalculated = 0;
    collapseRecipeList();
    Command1->setEnabled(false);
    Command2->setEnabled(true);
    recipeShown_ = false;
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
    SaveAnswer = 0;
    const bool asked = hasUnsavedEdits();
    if (asked) AskSaveRecipe();
    if (SaveAnswer == platform::answer::Cancel) {
        if (!Command1->Enabled()) focusAmountLine0();
        return;
    }
    if (asked && SaveRefused) {
        Combo2->SetFocus();
        return;
    }
    RecipeChanged = ModifyMode = AmountsRecalculated = 0;
    openRecipeList();
    Command1->setEnabled(true);
    Command2->setEnabled(false);
    SSPanel3->setVisible(false);
    recipeShown_ = false;
    ResetRecipeEditor();
    setModeTitle("View Recipe");
    if (!Combo1->Text().empty()) Combo1_Click();
    else Combo1->SetFocus();
}

void Form5::mOSa_Click() {
    SaveRefused = false;
    const bool creating = !Command1->Enabled();
    if (creating && Text8->Text().empty() && AmountsRecalculated == 0) {
        app_.dialogs().MessageBox(
            {"Save", "Please enter Recipe Name in order to save!", MsgIcon::Information, MsgButtons::OK, 1});
        SaveRefused = true;
        Combo2->SetFocus();
        return;
    }
    RecipeChanged = 0;
    const bool saved = ModifyMode != 1 && AmountsRecalculated != 9 ? SaveNewRecipe() : PutCurrentRecipe();
    if (!saved) {
        // Nothing was written: the recipe stays in the editor, still to be saved.
        RecipeChanged = 1;
        applyAvailability();
        return;
    }
    recipeShown_ = false;
    ResetRecipeEditor();
    if (SaveForImport == 1) return;
    if (SSPanel4->Caption() == "Modify Recipe") setModeTitle("View Recipe");
    // The saved recipe may change what a name search found.
    Grid1->setVisible(false);
    Label32->setVisible(false);
    ModifyMode = AmountsRecalculated = 0;
    if (PendingTypeChange == 9) {
        showType(PendingType);
        PendingTypeChange = 0;
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
    modifyByButton_ = true;
    applyAvailability();
}

void Form5::mOMo_Click() {
    ModifyMode = 1;
    RecipeChanged = AmountsRecalculated = 0;
    modifyByButton_ = false;
    {
        // The decimal amounts replace the fractions shown, as only decimals are typed.
        const WindowFills filling(*this);
        for (int line = 0; line < IngredientLineCount; ++line)
            Text1[static_cast<std::size_t>(line)]->setText(AmountText[static_cast<std::size_t>(line)]);
    }
    setModeTitle("Modify Recipe");
    applyAvailability();
    focusAmountLine0();
}

void Form5::mODel_Click() {
    StatusBar1->setPanelText(1, "Delete Recipe");
    SSPanel4->setCaption("Delete Recipe");
    SSPanel4->setForeColor(ui::Rgb(128, 0, 0));
    const int answer = app_.dialogs().MessageBox(
        {"Delete Recipe", "Do you Really want to delete this Recipe?", MsgIcon::Question, MsgButtons::YesNoCancel, 2});
    if (answer == platform::answer::Yes) {
        const auto type = typeNumber();
        // The store finds the entry by the record's number in the index file
        // itself, so a list on screen that is out of step cannot matter.
        const StoreOutcome outcome = type ? store().Delete(*type, CurrentRecordNumber)
                                          : StoreOutcome{StoreResult::IndexFileNotWritten, 0, {}, Combo1->Text()};
        if (outcome.ok()) {
            // The deleted recipe's edits are gone with it: no question about them.
            ModifyMode = RecipeChanged = AmountsRecalculated = 0;
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
    setModeTitle(ModifyMode == 1 ? "Modify Recipe" : "View Recipe");
    if (ModifyMode == 1) focusAmountLine0();
    StatusBar1->setPanelText(1, Caption());
}

void Form5::mOe_Click() {
    if (!ConfirmExit()) return;
    Unload();
    WindowClosed = 9;
}

bool Form5::ConfirmExit() {
    SaveAnswer = 0;
    const bool asked = hasUnsavedEdits();
    if (asked) AskSaveRecipe();
    if (SaveAnswer == platform::answer::Cancel || (asked && SaveRefused)) return false;
    auto& vars = app_.vars;
    vars.MessageAnswer = 0;
    if (colors_->ColorsChanged == 1) colors_->AskSaveColors();
    const bool stays = vars.MessageAnswer == platform::answer::Cancel;
    vars.MessageAnswer = 0;
    return !stays;
}

void Form5::AskSaveRecipe() {
    SaveRefused = false;
    CloseSearchOptions();
    SaveAnswer = app_.dialogs().MessageBox({"Recipe File", "Save Current Recipe before next action or exiting?",
                                            MsgIcon::Question, MsgButtons::YesNoCancel, 1});
    if (SaveAnswer != platform::answer::Yes) return;
    // A Yes whose save did not happen (no name, or nothing could be written)
    // stops the caller as a refusal does, so the edits are not dropped.
    if (SaveInPlaceOnYes == 88) {
        SaveInPlaceOnYes = 0;
        if (!PutCurrentRecipe()) SaveRefused = true;
        return;
    }
    // The recipe is filed under its own type, whatever type was just picked.
    showType(file().CurrentRecipeType);
    mOSa_Click();
    if (hasUnsavedEdits()) SaveRefused = true;
}

void Form5::ResetRecipeEditor() {
    const WindowFills filling(*this);
    for (int line = 0; line < IngredientLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        AmountText[i].clear();
        Text1[i]->setText("");
        Text4[i]->setText("");
        Text5[i]->setText("");
    }
    for (ui::TextBox* box : {Text2, Text3, Text6, Text7, Text8}) box->setText("");
    Combo4->setText("");
    for (ui::Control* box : std::initializer_list<ui::Control*>{Text6, Text7, Text8, Combo4})
        box->setBackColor(Text11->BackColor());
    recipeShown_ = false;
    modifyByButton_ = false;
    calculatorOpen_ = false;
    applyAvailability();
    showDirectionsLength();
    if (!Command2->Enabled()) Text8->setVisible(false);
    SSPanel5->setVisible(false);
}

// --- the store

RecipeRecord Form5::ControlsToRecipeRecord() {
    RecipeRecord record;
    for (int line = 0; line < IngredientLineCount; ++line) {
        const auto i = static_cast<std::size_t>(line);
        record.amounts[i] = AmountText[i];
        record.units[i] = Text4[i]->Text();
        record.ingredients[i] = Text5[i]->Text();
    }
    record.directions = Text2->Text();
    record.ovenTemperature = Text3->Text();
    record.yield = Text6->Text();
    record.cookingTime = Text7->Text();
    // The user sees the yield unit cut as the record keeps it.
    if (Combo4->Text().size() > static_cast<std::size_t>(field::YieldUnitWidth)) {
        const WindowFills filling(*this);
        Combo4->setText(YieldUnitAsSaved(Combo4->Text()));
    }
    record.yieldUnit = Combo4->Text();
    record.marker = InUseMarker;
    RecipeBuffer = record;
    return record;
}

bool Form5::PutCurrentRecipe() {
    const StoreOutcome outcome = store().WriteInPlace(CurrentRecordNumber, ControlsToRecipeRecord());
    ReportStoreFailure(app_.dialogs(), outcome, "Save");
    return outcome.ok();
}

bool Form5::SaveNewRecipe() {
    if (Text8->Text().empty()) return true;  // nothing to save, as always
    shell::BeginWait(app_);
    const RecipeRecord record = ControlsToRecipeRecord();
    if (basic::Len(Text8->Text()) > RecipeNameWidth) {
        const WindowFills filling(*this);
        Text8->setText(basic::Left(Text8->Text(), RecipeNameWidth));
    }
    const auto type = typeNumber();
    StoreOutcome outcome;
    if (type) outcome = store().SaveNew(*type, Text8->Text(), record);
    else outcome = {StoreResult::IndexFileNotWritten, 0, {}, Combo1->Text()};
    shell::EndWait(app_);
    if (!outcome.ok()) {
        ReportStoreFailure(app_.dialogs(), outcome, "Save");
        return false;
    }
    LastSavedRecordNumber = static_cast<int>(outcome.recordNumber);
    List1->AddItem(outcome.entry);
    RecipeChanged = AmountsRecalculated = 0;
    return true;
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
    mOsr->setChecked(false);
    applyAvailability();
}

// --- the older cookbook format

void Form5::DetectOldRecipeFile() {
    OldFormatPending = recipes::DetectOldRecipeFile(app_.folder(), file().CookbookNumber) ? 9 : 0;
}

void Form5::ConvertOldRecipeFile() {
    if (file().CookbookNumber >= 2) {
        OldFormatPending = 0;
        return;
    }
    Label11->setCaption("Recipe function has found an older recipe data base Converion to New Database is in Progress");
    SSPanel11->setVisible(true);
    app_.runtime().doEvents();
    ConversionSteps steps;
    steps.progress = [this](long k) {
        ProgressBar1->setValue(static_cast<int>(k));
        app_.runtime().doEvents();
    };
    steps.finishing = [this] {
        Label11->setCaption("\rConversion Complete");
        app_.runtime().doEvents();
    };
    const ConversionResult result = recipes::ConvertOldRecipeFile(app_.folder(), file().CookbookNumber, steps);
    if (result == ConversionResult::Failed) {
        SSPanel11->setVisible(false);
        app_.dialogs().MessageBox(
            {"Recipe File",
             "The older recipe file \"Recipe2.db1\" could not be converted; it was left as it was. Its recipes "
             "cannot be shown or saved until it is converted, which the next recipe command tries again.\r"
             "Check that the disk has room and that the file and \"Recipe3.db1\" may be changed.",
             MsgIcon::Exclamation, MsgButtons::OK, 1});
        return;
    }
    shell::PauseTwoSeconds(app_);
    OldFormatPending = 0;
    SSPanel11->setVisible(false);
}

bool Form5::OldFileConverted() {
    if (OldFormatPending == 9) ConvertOldRecipeFile();
    return OldFormatPending != 9;
}

// --- modes and availability

void Form5::setModeTitle(const char* title) {
    SSPanel4->setCaption(title);
    SSPanel4->setForeColor(DarkBlue);
}

void Form5::focusAmountLine0() { Text1[0]->SetFocus(); }

RecipeWindowState Form5::windowState() const {
    RecipeWindowState state;
    if (ModifyMode == 1) state.mode = RecipeMode::Modify;
    else if (!Command1->Enabled()) state.mode = RecipeMode::Create;
    else if (!Command2->Enabled()) state.mode = RecipeMode::View;
    state.recipeShown = recipeShown_;
    state.edited = RecipeChanged == 1 || AmountsRecalculated == 9;
    state.nameShown = !basic::LTrim(Text8->Text()).empty() || !Combo2->Text().empty();
    state.modifyByButton = modifyByButton_;
    state.calculatorOpen = calculatorOpen_;
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
    mOCo1->setEnabled(c.copyMenu);
    Toolbar2->setButtonEnabled(4, c.copySide);
    mOIm->setEnabled(c.importRecipe);
    mOex->setEnabled(c.exportRecipe);
    mOChange->setEnabled(c.rename);
}

}  // namespace recipes
