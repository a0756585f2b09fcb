// The side toolbar, the panel colour, help and the Options popup.
#include "recipes/form5.h"
#include "shell/help_menu.h"

namespace recipes {

void Form5::Toolbar2_ButtonClick(int button) {
    // While the print preview is open the side buttons only sound.
    if (SSPanel80->Visible()) {
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
        case 7: mH_Click(); break;
        case 8: mOe_Click(); break;
        default: break;
    }
}

void Form5::mOC_Click() {
    HideFractionList();
    HideUnitLists();
    colors_->ChoosePanelColor();
}

void Form5::mH_Click() {
    int topic = shell::topics::RecipeFile;
    if (SSPanel80->Visible()) topic = shell::topics::PrintPreview;
    else if (SSPanel2->Visible()) topic = shell::topics::RecipeSearchByName;
    else if (SSPanel8->Visible()) topic = shell::topics::RecipeSearchByIngredient;
    setHelpContextID(topic);
    shell::ShowHelpTopic(app_, topic);
}

void Form5::ShowOptionsPopup() {
    const bool offerCopy = mOCo1->Enabled() && PopupRequested == 2;
    mOCopy->setVisible(offerCopy);
    Toolbar2->setButtonEnabled(4, offerCopy);
    PopupRequested = 0;
    mOChange->setEnabled(SSPanel4->Caption() == "View Recipe" && !Combo2->Text().empty());
    app_.runtime().doEvents();
    PopupMenu(*mO);
    // Exit from the popup may have closed the window: then nothing of it is touched.
    if (WindowClosed == 0) {
        mOCopy->setVisible(false);
        Toolbar2->setButtonEnabled(4, false);
    }
    WindowClosed = 0;
}

}  // namespace recipes
