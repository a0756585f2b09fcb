// The recipe on screen to the clipboard as text, its ingredients in the
// layout the user picks in the copy option dialog.
#include "printing/clipboard_text.h"
#include "recipes/printing/copy_hand_over.h"
#include "recipes/printing/copyfrm1.h"
#include "recipes/recipe_help.h"
#include "recipes/recipe_window.h"
#include "shell/hinfo1.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

void Form5::wireCopy() {
    mOCo1->onClick = [this] { mOCo1_Click(); };
    mOCopy->onClick = [this] { mOCopy_Click(); };
}

void Form5::mOCopy_Click() { mOCo1_Click(); }

void Form5::mOCo1_Click() {
    StatusBar1->setPanelText(1, "Copy Option");
    HideFractionList();
    HideUnitLists();
    shell::BeginWait(app_);
    // The dialog opens the recipe window's help topic on F1.
    auto& dialog = app_.window<printing::Copyfrm1>();
    dialog.setHelpContextID(help::RecipeFile);
    dialog.ShowModal();
    if (Combo2->Text().empty()) {
        shell::EndWait(app_);
        app_.dialogs().MessageBox({"Copy Recipe to Windows Clipboard",
                                   "Please, first select Recipe to Copy to Clipboard!", MsgIcon::Information,
                                   MsgButtons::OK, 1});
        return;
    }
    app_.runtime().doEvents();
    const platform::Services& services = app_.runtime().services();
    const std::string text = printing::RecipeCopyText(
        draft(), app_.state<printing::CopyHandOver>().IngredientCopyLayout, printing::PrinterMeasure(services.printer));
    shell::EndWait(app_);
    static_cast<void>(printing::PutTextOnClipboard(services.clipboard, app_.dialogs(), text,
                                                   "Recipe has been copied to the Windows Clipboard.", "recipe"));
    StatusBar1->setPanelText(1, Caption());
}

}  // namespace recipes
