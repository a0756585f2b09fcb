// A cookbook 1 still in the older format is converted before a recipe
// command reads or writes it, with the conversion notice over the recipe.
#include "recipes/store/old_cookbook_format.h"
#include "recipes/recipe_window.h"
#include "shell/hinfo1.h"

namespace recipes {

using platform::MsgButtons;
using platform::MsgIcon;

void Form5::DetectOldRecipeFile() {
    state_.OldFormatPending = recipes::DetectOldRecipeFile(app_.folder(), file().CookbookNumber);
}

void Form5::ConvertOldRecipeFile() {
    if (file().CookbookNumber >= 2) {
        state_.OldFormatPending = false;
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
    state_.OldFormatPending = false;
    SSPanel11->setVisible(false);
}

bool Form5::OldFileConverted() {
    if (state_.OldFormatPending) ConvertOldRecipeFile();
    return !state_.OldFormatPending;
}

}  // namespace recipes
