// The command buttons, the menus and the side toolbar, which lead to the
// same actions, and what a select screen disables while it is open.
#include "platform/basic/text.h"
#include "printing/print_font.h"
#include "shell/hinfo1.h"
#include "shopping/shoplist.h"

namespace shopping {

namespace {

// The side toolbar's buttons, by number.
enum SideButton {
    NewListButton = 1,
    OpenListButton = 2,
    DeleteListButton = 3,
    GridBackgroundButton = 4,
    GridTextColorButton = 5,
    PanelColorButton = 6,
    CopyButton = 7,
    WorksheetButton = 8,
    PrintSideButton = 9,
    HelpSideButton = 10,
    ExitSideButton = 11,
};

}  // namespace

void Shoplist::FocusExit() {
    if (Command1[ExitButton]->Enabled()) Command1[ExitButton]->SetFocus();
}

void Shoplist::Command1_Click(int index) {
    HideDatePicker();
    switch (index) {
        case ExitButton: mOex_Click(); break;
        case DeleteMasterItemButton: DeleteMasterItem(); break;
        case AddItemButton: AddTypedItem(); break;
        case DeleteRowButton: mODel_Click(); break;
        case PrintButton: mOPrt_Click(); break;
        case SaveButton: mOS_Click(); break;
        case ClearGridButton: mOCl_Click(); break;
        case QuickSelectButton: mOSel_Click(); break;
        case RecipeSelectButton: mOR_Click(); break;
        default: break;
    }
}

// The focus reaches a button before its click: what an empty item box
// cannot do is switched off first, so such a click does nothing.
void Shoplist::Command1_GotFocus(int index) {
    showBoxFocus(nullptr);
    if (Text1[ItemBox]->Text().empty() && index != DeleteRowButton) {
        setMasterButtons(false, false);
        offerRowDelete(false);
    }
    if (state_.ListChanged && !state_.SaveGroupOn) SetSaveGroup(true);
}

void Shoplist::SetSaveGroup(bool enabled) {
    state_.SaveGroupOn = enabled;
    Command1[SaveButton]->setEnabled(enabled);
    Command1[ClearGridButton]->setEnabled(enabled);
    Toolbar2->setButtonEnabled(CopyButton, enabled);
    const bool menusOn = enabled && state_.OpenScreen == SelectScreen::None;
    mOS->setEnabled(menusOn);
    mOCl->setEnabled(menusOn);
}

void Shoplist::mO_Click() { HideDatePicker(); }

void Shoplist::mE_Click() {
    HideDatePicker();
    Grid1->setRow(1);
    Grid1->setCol(0);
    mECopy->setEnabled(!list_.Row(1).item.empty());
}

void Shoplist::Toolbar2_ButtonClick(int button) {
    // While the print preview is open the side buttons only sound.
    if (preview_->isOpen()) {
        app_.display().Beep();
        return;
    }
    switch (button) {
        case NewListButton: mON_Click(); break;
        case OpenListButton: mOP_Click(); break;
        case DeleteListButton: mODeLst_Click(); break;
        case GridBackgroundButton: mOBC_Click(); break;
        case GridTextColorButton: mOTC_Click(); break;
        case PanelColorButton: mOC_Click(); break;
        case CopyButton: mECopy_Click(); break;
        case WorksheetButton: mOW_Click(); break;
        case PrintSideButton: mOPrt_Click(); break;
        case HelpSideButton: mH_Click(); break;
        case ExitSideButton: mOex_Click(); break;
        default: break;
    }
}

void Shoplist::DisableListMenus() {
    for (ui::Menu* item : {mOCl, mON, mOP, mODeLst, mOPrt, mOS, mOBC, mOTC, mOC}) item->setEnabled(false);
}

void Shoplist::EnableListMenus() {
    mOCl->setEnabled(state_.SaveGroupOn);
    mOS->setEnabled(state_.SaveGroupOn);
    for (ui::Menu* item : {mON, mOP, mODeLst, mOPrt, mOBC, mOTC, mOC}) item->setEnabled(true);
}

// --- colours

void Shoplist::mOC_Click() {
    HideDatePicker();
    colors().ChoosePanelColor();
}

void Shoplist::mOTC_Click() {
    HideDatePicker();
    const auto chosen = app_.dialogs().ChooseColor(Grid1->ForeColor());
    if (!chosen) return;
    Grid1->setForeColor(*chosen);
    state_.ColorsChanged = true;
    app_.state<printing::PrintFontSettings>().PrintFontColor = *chosen;
}

void Shoplist::mOBC_Click() {
    HideDatePicker();
    OpenGridBackgroundSelector();
}

// The selector is a panel of the shell's, which the window gets when it is wired in.
void Shoplist::OpenGridBackgroundSelector() {}

// --- the select screens

void Shoplist::mOSel_Click() {
    HideDatePicker();
    OpenQuickSelect();
}

void Shoplist::mOR_Click() {
    HideDatePicker();
    OpenRecipeSelect();
}

// The Quick Select screen, a panel of its own, opens here once it is wired in.
void Shoplist::OpenQuickSelect() {}

// The Recipe Select screen, a panel of its own, opens here once it is wired in.
void Shoplist::OpenRecipeSelect() {}

// The open screen's own "Exit Without Adding" runs here once the screens are wired in.
void Shoplist::LeaveSelectScreen() {}

void Shoplist::mOCB1_Click(int index) { ChooseListCookbook(index); }

// The cookbook choice belongs to the Recipe Select screen, which makes it here once wired in.
void Shoplist::ChooseListCookbook(int /*n*/) {}

void Shoplist::SelectScreenOpened(SelectScreen screen) {
    state_.OpenScreen = screen;
    if (screen == SelectScreen::QuickSelect) {
        mOSel->setChecked(true);
        mOR->setEnabled(false);
    } else if (screen == SelectScreen::RecipeSelect) {
        mOR->setChecked(true);
        mOSel->setEnabled(false);
        mOCB->setEnabled(true);
    }
    DisableListMenus();
}

void Shoplist::SelectScreenClosed() {
    state_.OpenScreen = SelectScreen::None;
    mOSel->setChecked(false);
    mOR->setChecked(false);
    mOSel->setEnabled(true);
    mOR->setEnabled(true);
    mOCB->setEnabled(false);
    EnableListMenus();
}

int Shoplist::AddSelections(const std::vector<ListEntry>& entries, bool addNewItemsToMasterList) {
    shell::BeginWait(app_);
    int added = 0;
    bool full = false;
    bool masterChanged = false;
    for (const ListEntry& entry : entries) {
        const ListEdit edit = list_.AppendItem(entry.item, entry.amount);
        full = edit == ListEdit::ListFull;
        if (full) break;
        if (edit != ListEdit::Done) continue;
        ++added;
        if (addNewItemsToMasterList && master_.CheckMasterItem(ItemText(entry.item)) == MasterCheck::Added)
            masterChanged = true;
    }
    if (masterChanged) {
        // A list that cannot be written keeps the items for this opening.
        static_cast<void>(WriteMasterItems(app_.folder(), master_));
        FillMasterCombo();
    }
    ShowList();
    if (added > 0) {
        setListChanged(true);
        SetSaveGroup(true);
    }
    shell::EndWait(app_);
    if (full) ShowListFull();
    return added;
}

// --- the list to the clipboard

void Shoplist::mECopy_Click() {
    HideDatePicker();
    ClipboardCopy();
}

// The copy's text is laid out by the list's printing, which fills this in when wired.
void Shoplist::ClipboardCopy() {}

}  // namespace shopping
