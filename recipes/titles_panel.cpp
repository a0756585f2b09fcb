// The cookbook titles panel: the eight titles as stored, saved at once.
#include "recipes/recipe_settings.h"
#include "recipes/titles_panel.h"

#include "platform/basic/text.h"
#include "recipes/recipe_window.h"
#include "shell/settings_files.h"

namespace recipes {

namespace settings = shell::settings;

void TitlesPanel::wire() {
    w_.mOCBTle->onClick = [this] { mOCBTle_Click(); };
    c_.SSCommand3->onClick = [this] { SSCommand3_Click(); };
    c_.SSCommand4->onClick = [this] { SSCommand4_Click(); };
}

void TitlesPanel::mOCBTle_Click() {
    for (int n = 1; n <= TitlesControls::TitleCount; ++n)
        c_.Text17[static_cast<std::size_t>(n - 1)]->setText(
            settings::ReadShownText(w_.app_.folder(), CookbookTitleRecord(n)).value_or(""));
    w_.app_.runtime().doEvents();
    c_.SSPanel12->setVisible(true);
}

void TitlesPanel::SSCommand3_Click() {
    w_.EnableCookbookMenus();
    c_.SSPanel12->setVisible(false);
}

void TitlesPanel::SSCommand4_Click() {
    // The window loads afresh, which empties the editor: unsaved edits are asked about first.
    state_.SaveAnswer = 0;
    if (w_.hasUnsavedEdits()) {
        w_.AskSaveRecipe();
        if (state_.SaveAnswer == platform::answer::Cancel || state_.SaveRefused) return;
    }
    w_.EnableCookbookMenus();
    for (int n = 1; n <= TitlesControls::TitleCount; ++n)
        static_cast<void>(settings::WriteText(w_.app_.folder(), CookbookTitleRecord(n),
                                              c_.Text17[static_cast<std::size_t>(n - 1)]->Text()));
    c_.SSPanel12->setVisible(false);
    w_.app_.runtime().doEvents();
    w_.LoadActivity();
    w_.app_.runtime().doEvents();
    w_.StatusBar1->setPanelText(1, w_.Caption());
}

}  // namespace recipes
