// A recipe to and from a transfer file: what the editor holds goes out as
// it is, and what comes in fills the editor, ready to be saved.
#include "platform/basic/atomic_write.h"
#include "platform/basic/file_commands.h"
#include "platform/basic/path_text.h"
#include "platform/basic/text.h"
#include "recipe_search/transfer/importfrm.h"
#include "recipes/recipe_help.h"
#include "recipes/store/fraction_snapping.h"
#include "recipes/recipe_window.h"
#include "recipes/typed_text.h"
#include "shell/hinfo1.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

using recipe_search::TransferHandOver;

void Form5::mOex_Click() {
    HideFractionList();
    HideUnitLists();
    shell::BeginWait(app_);
    if (Combo2->Text().empty()) {
        shell::EndWait(app_);
        app_.dialogs().MessageBox({"Export Recipe to Disk", "Please, first select Recipe to Export to Disk!",
                                   MsgIcon::Information, MsgButtons::OK, 1});
        return;
    }
    ExportRecipe();
}

void Form5::ExportRecipe() {
    TransferHandOver& hand = app_.state<TransferHandOver>();
    hand.TransferMode = TransferHandOver::Export;
    hand.TransferType = Combo1->Text();
    hand.TransferTitle = Combo2->Text();
    // The dialog opens the recipe window's help topic on F1.
    auto& dialog = app_.window<recipe_search::Importfrm>();
    dialog.setHelpContextID(help::RecipeFile);
    dialog.ShowModal();
    if (hand.TransferMode == TransferHandOver::Cancelled) {
        shell::EndWait(app_);
        return;
    }
    // The export leaves the window as it was, unsaved edits and their mark included.
    static_cast<void>(WriteTransferFile(basic::PathFromText(hand.TransferPath)));
    hand.TransferMode = TransferHandOver::Import;
    shell::EndWait(app_);
}

void Form5::mOIm_Click() {
    HideFractionList();
    HideUnitLists();
    state_.SaveAnswer = 0;
    state_.SaveForImport = true;
    if (hasUnsavedEdits()) AskSaveRecipe();
    if (state_.SaveAnswer == platform::answer::Cancel ||
        (state_.SaveAnswer == platform::answer::Yes && state_.SaveRefused)) {
        state_.SaveForImport = false;
        return;
    }
    state_.RecipeChanged = false;
    state_.SaveForImport = false;
    shell::BeginWait(app_);
    TransferHandOver& hand = app_.state<TransferHandOver>();
    hand.TransferMode = TransferHandOver::Import;
    // The dialog opens the recipe window's help topic on F1.
    auto& dialog = app_.window<recipe_search::Importfrm>();
    dialog.setHelpContextID(help::RecipeFile);
    dialog.ShowModal();
    if (hand.TransferMode == TransferHandOver::Cancelled) {
        SSPanel3->setVisible(true);
        shell::EndWait(app_);
        applyAvailability();
        return;
    }
    // From here the editor holds a recipe that is not stored: a later Save
    // adds it and never writes over the recipe shown before.
    state_.endModify();
    state_.AmountsRecalculated = false;
    state_.recipeShown = false;
    state_.modifyByButton = false;
    if (!ReadTransferFile(basic::PathFromText(hand.TransferPath))) {
        shell::EndWait(app_);
        applyAvailability();
        return;
    }
    hand.TransferMode = TransferHandOver::Import;
    state_.RecipeChanged = true;
    List1->Clear();
    Combo2->Clear();
    if (const auto type = typeNumber()) {
        for (const IndexEntry& entry : store().ReadSortedIndex(*type)) {
            Combo2->AddItem(entry.text);
            List1->AddItem(entry.text);
        }
    }
    applyAvailability();
    Text8->SetFocus();
    state_.SaveAnswer = 0;
    if (SSPanel3->Visible()) SSPanel3->setVisible(false);
    shell::EndWait(app_);
}

RecipeDraft Form5::RecipeForExport() const {
    RecipeDraft r = draft();
    // The name alone, without the record number of its entry.
    r.name = basic::Trim(basic::Left(r.name, 40));
    return r;
}

bool Form5::WriteTransferFile(const std::filesystem::path& path) {
    // Written whole beside the target and then put in its place: a failure
    // leaves no partial file, and nothing of a file that was there is lost.
    if (basic::AtomicWriteFile(path, recipe_search::EncodeTransferFile(RecipeForExport()))) return true;
    shell::EndWait(app_);
    app_.dialogs().MessageBox({"Disk Error",
                               "Disk Error has occurred!  File was not fully Exported!\rDisk is either Full or Write "
                               "Protected\rPlease insert new disk or remove write protection.\rThen try saving Recipe "
                               "again.",
                               MsgIcon::Exclamation, MsgButtons::OK, 1});
    return false;
}

bool Form5::ReadTransferFile(const std::filesystem::path& path) {
    std::optional<RecipeDraft> recipe;
    while (true) {
        if (const auto bytes = basic::ReadWholeFile(path, recipe_search::MaxTransferFileBytes))
            recipe = recipe_search::DecodeTransferFile(*bytes);
        if (recipe) break;
        shell::EndWait(app_);
        const int answer = app_.dialogs().MessageBox(
            {"Import Recipe",
             "Cannot read disk.\rMake sure the the door is closed and that the disk is properly inserted!",
             MsgIcon::Exclamation, MsgButtons::RetryCancel, 1});
        if (answer != platform::answer::Retry) return false;
        shell::BeginWait(app_);
    }
    // Only one of the 22 types names a file of the cookbook.
    if (!RecipeTypeNumber(recipe->type)) {
        shell::EndWait(app_);
        app_.dialogs().MessageBox({"Import Recipe",
                                   "The recipe's type \"" +
                                       basic::RemoveControlCharacters(basic::Left(recipe->type, 40)) +
                                       "\" is not one of the recipe types, so the recipe was not imported.",
                                   MsgIcon::Exclamation, MsgButtons::OK, 1});
        return false;
    }
    fillEditorFromTransfer(*recipe);
    return true;
}

void Form5::fillEditorFromTransfer(const RecipeDraft& r) {
    const WindowFills filling(*this);
    state_.endModify();
    state_.AmountsRecalculated = false;
    showType(r.type);
    file().CurrentRecipeType = Combo1->Text();
    // What comes in fits the boxes and, later, the record.
    auto fit = [](const ui::TextBox& box, const std::string& text) {
        return CleanTyped(text, box.MaxLength(), box.MultiLine(), !box.MultiLine());
    };
    Text8->setText(fit(*Text8, r.name));
    RecipeDraft fitted;
    for (std::size_t i = 0; i < IngredientLineCount; ++i) {
        fitted.amounts[i] = FilterAmount(r.amounts[i], Text1[i]->MaxLength()).text;
        fitted.shownAmounts[i] = basic::RTrim(FractionSnapping(fitted.amounts[i]).text);
        fitted.units[i] = fit(*Text4[i], r.units[i]);
        fitted.ingredients[i] = fit(*Text5[i], r.ingredients[i]);
    }
    fitted.directions = fit(*Text2, r.directions);
    fitted.ovenTemperature = fit(*Text3, r.ovenTemperature);
    fitted.cookingTime = fit(*Text7, r.cookingTime);
    fitted.yield = fit(*Text6, r.yield);
    fitted.yieldUnit = CleanTyped(r.yieldUnit, 0, false, true);
    showDraft(fitted);
}

}  // namespace recipes
