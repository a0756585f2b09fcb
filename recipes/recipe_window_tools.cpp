// The side toolbar, the panel colour, help and the Options popup.
#include "recipes/recipe_help.h"
#include "recipes/recipe_window.h"
#include "shell/help_menu.h"

namespace recipes {

void Form5::Toolbar2_ButtonClick(int button) {
    // While the print preview is open the side buttons only sound.
    if (preview().isOpen()) {
        app_.display().Beep();
        return;
    }
    auto run = [this](ui::Menu* item) { app_.runtime().userMenu(*item); };
    switch (button) {
        case 1: mOC_Click(); break;
        case 2: run(mOsr); break;
        case 3: run(mODel); break;
        case 4: mOCopy_Click(); break;
        case 5: run(mOP); break;
        case 6: run(mOW); break;
        case 7: ShowHelp(); break;
        case 8: mOe_Click(); break;
        default: break;
    }
}

void Form5::mOC_Click() {
    HideFractionList();
    HideUnitLists();
    colors().ChoosePanelColor();
}

int Form5::helpTopic() const {
    if (preview().isOpen()) return shell::topics::PrintPreview;
    if (SSPanel2->Visible()) return help::RecipeSearchByName;
    if (SSPanel8->Visible()) return help::RecipeSearchByIngredient;
    return help::RecipeFile;
}

bool Form5::renameOffered() const { return state_.modeTitle == "View Recipe" && !Combo2->Text().empty(); }

// Copy is offered only while the menu pops up at the pointer.
void Form5::beforePopUp() {
    const bool offerCopy = state_.copyOffered;
    mOCopy->setVisible(offerCopy);
    Toolbar2->setButtonEnabled(4, offerCopy);
    mOChange->setEnabled(renameOffered());
}

void Form5::afterPopUp() {
    mOCopy->setVisible(false);
    Toolbar2->setButtonEnabled(4, false);
}

}  // namespace recipes
