// The command buttons, the menus and the side toolbar, which lead to the
// same actions, and what a select screen disables while it is open.
#include "platform/basic/text.h"
#include "printing/print_font.h"
#include "printing/text_measure.h"
#include "shell/grid_colors.h"
#include "shell/hinfo1.h"
#include "shopping/printing/list_copy_text.h"
#include "shopping/select/list_cookbook.h"
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

void Shoplist::OpenGridBackgroundSelector() { selector_->ShowOrClose(); }

void Shoplist::wireGridBackgroundSelector() {
    selector_ = std::make_unique<shell::GridBackgroundSelector>(
        app_, *this,
        shell::GridBackgroundSetup{
            .record = shell::settings::SharedGridBackgroundRecord,
            .grid = *Grid1,
            .mainPanel = *Panel3D1,
            .defaultColor = *Text2,
            .status = *StatusBar1,
            .state = state_.gridBackground,
            .design = {.top = 300,
                       .note = "(This Grid Background && Text Color will be used by Recipe File, Food Guides, "
                               "Menu Planner and Conversions Grids)",
                       .firstTab = 1000},
            .onColorsChanged = [this] { state_.ColorsChanged = true; },
            .beforeShowing = [this] { LeaveSelectScreen(); }});
    // Kept with the panel colour, in one question: the background, then the text colour.
    colors().saveMore = [this] {
        selector_->SaveBackground();
        // A colour that cannot be kept is not worth stopping the window's close for.
        static_cast<void>(shell::settings::WriteText(app_.folder(), shell::settings::SharedGridTextColorRecord,
                                                     shell::ColorText(Grid1->ForeColor())));
    };
}

// --- the select screens

void Shoplist::mOSel_Click() {
    HideDatePicker();
    OpenQuickSelect();
}

void Shoplist::mOR_Click() {
    HideDatePicker();
    OpenRecipeSelect();
}

SelectHost Shoplist::selectHost() {
    return {
        // The select screens never add to the master list.
        .addEntries = [this](const std::vector<ListEntry>& entries) { return AddSelections(entries, false); },
        .screenShown =
            [this](SelectScreen screen, bool shown) {
                if (!shown) {
                    SelectScreenClosed();
                    return;
                }
                // One panel over the main panel at a time.
                if (selector_->isOpen()) selector_->CloseBackgroundSelector();
                SelectScreenOpened(screen);
            },
        .hideDatePicker = [this] { HideDatePicker(); },
        .showStatus = [this](const std::string& text) { StatusBar1->setPanelText(1, text); },
    };
}

void Shoplist::wireSelectScreens() {
    quick_ = std::make_unique<QuickSelectPanel>(app_, *this, QuickSelectDesign, selectHost());
    recipe_ = std::make_unique<RecipeSelectPanel>(app_, *this, RecipeSelectDesign, selectHost());
    // The screens' exits follow the window's own buttons' focus rule.
    for (int index : {AddQuickSelectionsButton, LeaveQuickSelectButton})
        quick_->Command1[static_cast<std::size_t>(index)]->onGotFocus = [this, index] { Command1_GotFocus(index); };
    for (int index : {AddIngredientNamesButton, AddWithAmountsButton, LeaveRecipeSelectButton})
        recipe_->Command1[static_cast<std::size_t>(index)]->onGotFocus = [this, index] { Command1_GotFocus(index); };
}

void Shoplist::OpenQuickSelect() { quick_->mOSel_Click(); }

void Shoplist::OpenRecipeSelect() { recipe_->mOR_Click(); }

void Shoplist::LeaveSelectScreen() {
    if (quick_->isOpen()) quick_->Command1_Click(LeaveQuickSelectButton);
    else if (recipe_->isOpen()) recipe_->Command1_Click(LeaveRecipeSelectButton);
}

void Shoplist::mOCB1_Click(int index) {
    HideDatePicker();
    ChooseListCookbook(index);
}

void Shoplist::ChooseListCookbook(int n) {
    recipe_->mOCB1_Click(n);
    checkListCookbook();
}

void Shoplist::checkListCookbook() {
    const int chosen = ListCookbook(app_).ListCookbookNumber;
    for (int n = 1; n <= ListCookbookCount; ++n) mOCB1[static_cast<std::size_t>(n - 1)]->setChecked(n == chosen);
}

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

// The items are lined up in the window's own font, as the printer measures it.
void Shoplist::ClipboardCopy() {
    const platform::Services& services = app_.runtime().services();
    const printing::TextMeasure measure{services.printer.Available() ? &services.printer : nullptr, font()};
    PutListOnClipboard(services.clipboard, app_.dialogs(),
                       ShoppingListCopyText(list_, Text1[DateBox]->Text(), measure));
}

}  // namespace shopping
