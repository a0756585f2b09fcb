// The Utilities menu: the current cookbook backed up by the backup window,
// or restored by it and then shown afresh.
#include "recipes/recipe_window.h"
#include "recipes/store/index_entries.h"
#include "shell/backup_handover.h"
#include "shell/hinfo1.h"

namespace recipes {

namespace {

// Some type's index holds an entry naming a recipe: there is something to
// back up. Index files that are missing are not made by looking.
bool HasRecipes(const CookbookReader& cookbook) {
    for (int type = 1; type <= RecipeTypeCount; ++type) {
        IndexEntryView entry;
        if (IndexEntryReader::Existing(cookbook.IndexFilePath(type)).Next(entry)) return true;
    }
    return false;
}

}  // namespace

void Form5::mU_Click() { mUB->setEnabled(HasRecipes(store())); }

void Form5::mUB_Click() {
    state_.SaveAnswer = 0;
    if (hasUnsavedEdits()) {
        AskSaveRecipe();
        // Only Cancel stops: a save that did not happen backs up the cookbook
        // as it is, and the edits stay on screen, still to be saved.
        if (state_.SaveAnswer == platform::answer::Cancel) return;
    }
    // Without a backup window there is nothing to show, and nothing changed.
    static_cast<void>(shell::ShowBackupWindow(app_, shell::backup_family::CookbookBackup));
    shell::EndWait(app_);
}

void Form5::mUR_Click() {
    // The restored cookbook replaces what the editor holds: its edits are asked about first.
    state_.SaveAnswer = 0;
    if (hasUnsavedEdits()) {
        AskSaveRecipe();
        if (state_.SaveAnswer == platform::answer::Cancel || state_.SaveRefused) return;
    }
    if (!shell::ShowBackupWindow(app_, shell::backup_family::CookbookRestore)) return;
    // The cookbook's files may all be others now: it loads afresh as after a
    // change of cookbook, with no command chosen, so View is offered and no
    // list or search result of the files before is left to choose from.
    ResetAfterCookbookChange();
    app_.runtime().doEvents();
    // A cookbook 1 restored in the older format is converted at the next recipe command.
    DetectOldRecipeFile();
    shell::EndWait(app_);
}

}  // namespace recipes
