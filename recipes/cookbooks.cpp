// Cookbooks 1-8: the current one, their titles, and the window's caption.
#include <algorithm>

#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "recipes/recipe_settings.h"
#include "recipes/recipe_window.h"
#include "shell/settings_files.h"

namespace recipes {

namespace settings = shell::settings;

void Form5::LoadCookbookTitles() {
    const auto& folder = app_.folder();
    // The number as the record keeps it, " 3"; anything outside 1-8 is the nearest cookbook.
    const double stored = basic::Val(settings::ReadText(folder, CurrentCookbookRecord).value_or(""));
    file().CookbookNumber = static_cast<std::int16_t>(std::clamp(stored, 1.0, 8.0));
    for (int n = 1; n <= CookbookCount; ++n) {
        const std::string title = settings::ReadShownText(folder, CookbookTitleRecord(n)).value_or("");
        state_.CookbookTitle[static_cast<std::size_t>(n - 1)] = basic::Trim(title);
        mOCB1[static_cast<std::size_t>(n - 1)]->setCaption("Cookbook #" + std::to_string(n) + " - " + title);
        mOCB1[static_cast<std::size_t>(n - 1)]->setChecked(n == file().CookbookNumber);
    }
    setCaption(windowCaption());
    app_.runtime().doEvents();
}

void Form5::mOCB1_Click(int index) {
    // Unsaved edits are asked about first; Cancel keeps the cookbook and the edits.
    state_.SaveAnswer = 0;
    if (hasUnsavedEdits()) {
        AskSaveRecipe();
        if (state_.SaveAnswer == platform::answer::Cancel || state_.SaveRefused) return;
    }
    ResetRecipeEditor();
    static_cast<void>(settings::WriteText(app_.folder(), CurrentCookbookRecord, basic::Str(index)));
    file().CookbookNumber = static_cast<std::int16_t>(index);
    ResetAfterCookbookChange();
}

void Form5::ResetAfterCookbookChange() {
    for (ui::ComboBox* box : {Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Combo7}) box->Clear();
    List1->Clear();
    // Another cookbook's results mean nothing here.
    for (ui::Grid* grid : {Grid1, Grid2}) {
        grid->setRows(1);
        grid->setVisible(false);
    }
    Label32->setCaption("");
    Label7->setCaption("");
    LoadActivity();
    state_.mode = RecipeMode::NoCommand;
    SSPanel3->setVisible(false);
    applyAvailability();
    StatusBar1->setPanelText(1, Caption());
    app_.runtime().doEvents();
    Command2->SetFocus();
}

void Form5::DisableCookbookMenus() { setCookbookMenus(false); }

void Form5::EnableCookbookMenus() { setCookbookMenus(true); }

void Form5::setCookbookMenus(bool on) {
    state_.cookbookMenusOn = on;
    mOCB->setEnabled(on);
    mOCBTle->setEnabled(on);
}

}  // namespace recipes
