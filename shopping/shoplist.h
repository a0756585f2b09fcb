#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/basic/calendar_date.h"
#include "platform/ui/controls.h"
#include "printing/print_preview_panel.h"
#include "shell/activity_window.h"
#include "shell/application.h"
#include "shell/grid_background_selector.h"
#include "shopping/select/quick_select_panel.h"
#include "shopping/select/recipe_select_panel.h"
#include "shopping/shoplist_state.h"
#include "shopping/store/item_master_list.h"
#include "shopping/store/list_line.h"
#include "shopping/store/shopping_list.h"

namespace shopping {

// The shopping list maker: a grocery list in a grid of items and amounts,
// typed in (completed from the user's master list of items), composed on the
// amount keypad or picked on the select screens, and kept in one list file
// per shopping date.
class Shoplist : public shell::ActivityWindow {
public:
    explicit Shoplist(shell::Application& app);
    ~Shoplist() override;

    // Command1 by index: the window's own commands (the select screens add theirs).
    enum Command {
        ExitButton = 0,
        DeleteMasterItemButton = 1,
        AddItemButton = 2,
        DeleteRowButton = 3,
        PrintButton = 4,
        SaveButton = 5,
        ClearGridButton = 6,
        QuickSelectButton = 7,
        RecipeSelectButton = 8,
    };
    // Text1 by index.
    enum Box { ItemBox = 0, AmountBox = 1, DateBox = 2 };
    // SSCommand1 by index.
    enum AmountKey { EnterAmountKey = 0, ClearAmountKey = 1 };
    static constexpr int UnitKeyCount = 14;

    // --- the window's controls
    ui::Image* Image1 = nullptr;                      // the background picture
    ui::Toolbar* Toolbar1 = nullptr;                  // the top toolbar every activity window carries
    ui::Toolbar* Toolbar2 = nullptr;                  // the side toolbar on the left: the list commands
    ui::Toolbar* Toolbar3 = nullptr;                  // the side toolbar on the right
    ui::StatusBar* StatusBar1 = nullptr;              // what the window does now; the toolbars' restore notices
    ui::Label* Label3 = nullptr;                      // hidden: its colour is the inner panels' colour
    ui::TextBox* Text2 = nullptr;                     // hidden: its colour is the boxes' colour
    ui::Panel* Panel3D1 = nullptr;                    // the main panel, under the toolbars
    ui::Grid* Grid1 = nullptr;                        // the list: "Grocery Item", "Amount to Purchase"
    ui::Panel* Panel3D5 = nullptr;                    // "Item Grid Display:" with its two options
    ui::Label* Label7 = nullptr;                      // "Item Grid Display:"
    std::array<ui::OptionButton*, 2> SSOption1{};     // the grid's order: as entered, alphabetically
    ui::Panel* Panel3D6 = nullptr;                    // the entry area: item, master list, date
    ui::Label* Label4 = nullptr;                      // over the item box and the master list
    std::array<ui::TextBox*, 3> Text1{};              // by Box: the item, its amount, the shopping date
    ui::ComboBox* Combo1 = nullptr;                   // the item master list
    ui::Label* Label6 = nullptr;                      // over the date box
    ui::MonthView* MonthView1 = nullptr;              // the shopping date's calendar, shown by a click in the date box
    ui::Panel* SSPanel2 = nullptr;                    // the amount entry panel
    ui::Label* Label1 = nullptr;                      // "Amount Entry Panel", or "Amount of " and the row's item
    ui::Label* Label5 = nullptr;                      // over the amount box
    ui::Panel* SSPanel3 = nullptr;                    // the amount keys
    std::array<ui::CommandButton*, 10> SSCommand2{};  // the digit keys "&0" to "&9"
    std::array<ui::CommandButton*, UnitKeyCount> SSCommand3{};  // the unit keys "Bag(s)" to "Quart(s)"
    std::array<ui::CommandButton*, 2> SSCommand1{};  // by AmountKey: "Enter Amount on Item Grid", "Clear The Amount"
    ui::Panel* SSPanel4 = nullptr;                   // covers the amount keys until a row is chosen
    ui::Panel* Panel3D7 = nullptr;                   // the row of list commands
    std::array<ui::CommandButton*, 9> Command1{};    // by Command

    // --- the menus
    ui::Menu* mO = nullptr;            // &Options
    ui::Menu* mOCB = nullptr;          // Options > Select Cook&book (while Recipe Select is open)
    std::array<ui::Menu*, 8> mOCB1{};  // Options > Select Cookbook > Cookbook #1 to #8
    ui::Menu* mON = nullptr;           // Options > &New Shopping List
    ui::Menu* mOP = nullptr;           // Options > &Open an Existing List
    ui::Menu* mODeLst = nullptr;       // Options > Delete an &Existing List
    ui::Menu* mOBC = nullptr;          // Options > Grid &Background Selector
    ui::Menu* mOTC = nullptr;          // Options > Grid &Text  Color
    ui::Menu* mOC = nullptr;           // Options > Panel &Color
    ui::Menu* mOSel = nullptr;         // Options > &Quick Select
    ui::Menu* mOR = nullptr;           // Options > &Recipe Select
    ui::Menu* mODel = nullptr;         // Options > &Delete Item from Grid
    ui::Menu* mOCl = nullptr;          // Options > &Clear Grid
    ui::Menu* mOW = nullptr;           // Options > Print &Worksheet
    ui::Menu* mOCopy = nullptr;        // Options > Cop&y (shown in the popup only)
    ui::Menu* mOPrt = nullptr;         // Options > &Print
    ui::Menu* mOS = nullptr;           // Options > &Save
    ui::Menu* mOex = nullptr;          // Options > E&xit
    ui::Menu* mE = nullptr;            // &Edit
    ui::Menu* mECopy = nullptr;        // Edit > &Copy
    ui::Menu* mH = nullptr;            // &Help

    // --- the list's print options, in the preview's "Print Options" frame
    ui::CheckBox* SSCheck80 = nullptr;  // "Print Divider Lines (Every 5 Items)"
    ui::CheckBox* SSCheck81 = nullptr;  // "Print  Date on each page"

    // --- what the select screens, the printouts and the copy work on
    ShoppingList& list() { return list_; }
    const ShoppingList& list() const { return list_; }
    ItemMasterList& masterList() { return master_; }
    // Adds picked entries at the end of the list, as they come; past the
    // list's last line the rest are refused with a message. New items join
    // the master list when asked. Returns how many were added.
    int AddSelections(const std::vector<ListEntry>& entries, bool addNewItemsToMasterList);
    // What a select screen opening or closing disables and enables again.
    void SelectScreenOpened(SelectScreen screen);
    void SelectScreenClosed();
    void OpenQuickSelect();
    void OpenRecipeSelect();
    // The screen's own way out without adding, as Esc takes it.
    void LeaveSelectScreen();
    void ChooseListCookbook(int n);
    void OpenGridBackgroundSelector();
    // The printouts and the copy of the list.
    void RenderShoppingList();
    void RenderWorksheet();
    void ClipboardCopy();
    printing::PrintPreviewPanel& preview() { return *preview_; }
    QuickSelectPanel& quickSelect() { return *quick_; }
    RecipeSelectPanel& recipeSelect() { return *recipe_; }
    shell::GridBackgroundSelector& gridBackgroundSelector() { return *selector_; }

    // --- loading, activation, keys and leaving
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void placeControls() override;
    // The preview's Enlarge and Auto Size buttons, higher in full screen display.
    void placePreviewButtons();
    void Form_KeyPress(int& keyAscii);
    void mOex_Click();
    void CkbkTitle();

    // --- the list and its grid
    void SetUpItemGrid();
    void ShowList();
    void FillItemGrid();
    void SSOption1_Click(int index);
    void Grid1_SelectCell(int row, int col);
    void Grid1_AfterSort(int col);
    std::string Grid1_BeforeScrollTip(int row);
    void Grid1_GotFocus();
    void AskItemBeforeAmount();
    void ShowListFull();

    // --- item entry and the master list
    void LoadMasterItems();
    void CheckMasterItem(const std::string& text);
    void DeleteMasterItem();
    void AddTypedItem();
    // The item of the row being edited becomes text; false when the list is full.
    bool ReplaceRowItem(const std::string& text);
    void Combo1_Click();
    void Combo1_DropDown();
    void Combo1_GotFocus();
    void Combo1_KeyDown(int& keyCode, int shift);
    void Text1_Change(int index);
    void Text1_Click(int index);
    void Text1_DblClick(int index);
    void Text1_GotFocus(int index);
    void Text1_KeyDown(int index, int& keyCode, int shift);
    void Text1_KeyPress(int index, int& keyAscii);
    void Text1_KeyUp(int index, int& keyCode, int shift);
    void Text1_LostFocus(int index);
    void HideDatePicker();
    void MonthView1_DateClick(const basic::CalendarDate& date);

    // --- the amount keypad
    void SSCommand2_Click(int index);
    void SSCommand3_Click(int index);
    void SSCommand1_Click(int index);
    void CoverKeypad(bool covered);

    // --- list files and list commands
    enum class SaveResult { Saved, NotReplaced, Failed, NoDate };
    SaveResult SaveListFile();
    void mOS_Click();
    void AskSaveBeforeAction();
    // The save question before an action that drops the list: false when the action is to stop.
    bool ListMayBeReplaced();
    void mOP_Click();
    // Opens the list file the dialog gave: the list, and its date in the date box.
    void OpenChosenList(const std::string& fileName);
    void mON_Click();
    void mODeLst_Click();
    void mOCl_Click();
    void mODel_Click();
    void ShowNoSavedLists();

    // --- buttons, menus and toolbars
    void Command1_Click(int index);
    void Command1_GotFocus(int index);
    void mO_Click();
    void mE_Click();
    void Toolbar2_ButtonClick(int button);
    void DisableListMenus();
    void EnableListMenus();
    void SetSaveGroup(bool enabled);
    void setMasterButtons(bool deleteItem, bool addItem);
    void mOC_Click();
    void mOTC_Click();
    void mOBC_Click();
    void mOSel_Click();
    void mOR_Click();
    void mOCB1_Click(int index);
    void mECopy_Click();
    void mH_Click();

    // --- the print preview
    void mOPrt_Click();
    void mOW_Click();
    void SSCheck80_Click();
    void SSCheck81_Click();

    const ShoplistState& state() const { return state_; }
    ShoplistState& state() { return state_; }
    std::string windowCaption() const;

private:
    int helpTopic() const override;
    bool AskBeforeLeaving() override;
    void beforePopUp() override;
    void afterPopUp() override;

    void design();
    void wireEvents();
    void wireSelectScreens();
    void wireGridBackgroundSelector();
    // What both select screens need of the window.
    SelectHost selectHost();
    // The "Select Cook&book" items: only the list's own cookbook carries the check mark.
    void checkListCookbook();
    void wirePreview();
    void loadPrintSettings();
    // The entry boxes' and lists' plain colour; the yellow of the box being typed in.
    void showBoxFocus(ui::Control* focused);
    void setListChanged(bool changed);
    // "&Delete Item from Grid", the button and the menu item.
    void offerRowDelete(bool offered);
    void FocusExit();
    // The list's master items into the drop-down, which sorts them itself.
    void FillMasterCombo();
    void ReportListLinesRefused(int refused);
    void ShowAmountRow(int row);
    // Today in the date box's form.
    std::string TodayText() const;

    ShoplistState state_;
    ShoppingList list_;
    ItemMasterList master_;
    std::unique_ptr<printing::PrintPreviewPanel> preview_;
    std::unique_ptr<QuickSelectPanel> quick_;
    std::unique_ptr<RecipeSelectPanel> recipe_;
    std::unique_ptr<shell::GridBackgroundSelector> selector_;
};

// Where the select screens lie over the main panel.
extern const SelectPanelDesign QuickSelectDesign;
extern const SelectPanelDesign RecipeSelectDesign;

// Where the print preview's controls lie over the main panel.
extern const printing::PreviewPanelDesign ShoppingPreviewDesign;

// The date box's text for a date: "12/8/04".
std::string DateBoxText(const basic::CalendarDate& date);

// Makes the shopping list window the start window's "Shopping List Maker".
void RegisterShoppingList(shell::Application& app);

}  // namespace shopping
