#pragma once
#include <array>
#include <memory>
#include <string>

#include "food_storage/bar_chart.h"
#include "food_storage/storage_window_state.h"
#include "food_storage/store/storage_table.h"
#include "platform/basic/calendar_date.h"
#include "platform/ui/controls.h"
#include "printing/print_preview_panel.h"
#include "shell/activity_window.h"
#include "shell/application.h"
#include "shell/grid_background_selector.h"

namespace food_storage {

// The food storage window: one kind's storage table of 60 items in a grid,
// by category, with the amount per person, the total the family needs, what
// was added and used and what is on hand; for the basic kind a rollup of how
// much of each category's need is on hand, with charts.
class Form24 : public shell::ActivityWindow {
public:
    explicit Form24(shell::Application& app);
    ~Form24() override;

    // --- the window's controls
    ui::Image* Image1 = nullptr;                     // the background picture
    ui::Toolbar* Toolbar1 = nullptr;                 // the top toolbar every activity window carries
    ui::Toolbar* Toolbar2 = nullptr;                 // the side toolbar on the left: the window's commands
    ui::Toolbar* Toolbar3 = nullptr;                 // the bar on the right
    ui::StatusBar* StatusBar1 = nullptr;             // what the window does now; the toolbars' restore notices
    ui::TextBox* Text3 = nullptr;                    // hidden: its colour is the boxes' colour
    ui::Label* Label4 = nullptr;                     // hidden: its colour is the inner panels' colour
    ui::Panel* Panel3D1 = nullptr;                   // the main panel, under the toolbars
    std::array<ui::CommandButton*, 9> Command3D1{};  // the category buttons, "&All" first
    ui::Panel* Panel3D4 = nullptr;                   // behind the grid
    ui::Grid* Grid1 = nullptr;                       // the storage table
    ui::MonthView* MonthView1 = nullptr;             // the last action's date, shown by a click in a date cell
    ui::Panel* Panel3D5 = nullptr;                   // "Input Box:"
    ui::Label* Label1 = nullptr;                     // "Input Box:"
    ui::TextBox* Text1 = nullptr;                    // the entry for the chosen cell
    ui::Panel* Panel3D6 = nullptr;                   // "Number in Family:"
    ui::Label* Label2 = nullptr;                     // "Number in Family:"
    ui::TextBox* Text2 = nullptr;                    // the number in family
    ui::CommandButton* Command1 = nullptr;           // "&Print"
    ui::CommandButton* Command4 = nullptr;           // "&Item Defaults"
    ui::CommandButton* Command5 = nullptr;           // "&Approx. Amts."
    ui::CommandButton* Command6 = nullptr;           // "&Save"
    ui::CommandButton* Command2 = nullptr;           // "E&xit"
    ui::Panel* Panel3D2 = nullptr;                   // the rollup: "Percent of Basic Food Storage You Have For "
    ui::Grid* Grid2 = nullptr;                       // the rollup table
    ui::CommandButton* Command7 = nullptr;           // the rollup chart's bars: "Hori&zontal" / "&Vertical"
    ui::CommandButton* Command3 = nullptr;           // the rollup's "&Close"

    // --- the table's print options, in the preview's "Print Options" frame
    std::array<ui::OptionButton*, 4> SSOption83{};  // the print range, by StoragePrintRange less 1
    ui::CheckBox* SSCheck80 = nullptr;              // "Print 'As of' date on each page"
    ui::CheckBox* SSCheck81 = nullptr;              // "Print Grid Lines on each page"

    // --- the menus
    ui::Menu* mO = nullptr;      // &Options
    ui::Menu* mOGB = nullptr;    // Options > Grid &Background Selector
    ui::Menu* mOGF = nullptr;    // Options > Grid &Text  Color
    ui::Menu* mOCol = nullptr;   // Options > Panel C&olor
    ui::Menu* mOAA = nullptr;    // Options > &Approximate Amounts
    ui::Menu* mOClr = nullptr;   // Options > &Clear Last Action Columns
    ui::Menu* mOID = nullptr;    // Options > &Item Defaults
    ui::Menu* mOCop = nullptr;   // Options > Cop&y (shown in the popup only)
    ui::Menu* mOPrt = nullptr;   // Options > &Print
    ui::Menu* mOS = nullptr;     // Options > &Save
    ui::Menu* mOex = nullptr;    // Options > E&xit
    ui::Menu* mE = nullptr;      // &Edit
    ui::Menu* mOCopy = nullptr;  // Edit > &Copy
    ui::Menu* mR = nullptr;      // &Rollup (basic kind only)
    ui::Menu* mU = nullptr;      // &Utilities
    ui::Menu* mUB = nullptr;     // Utilities > &Backup Files to Disk
    ui::Menu* mUR = nullptr;     // Utilities > &Restore Files from Disk
    ui::Menu* mH = nullptr;      // &Help

    StorageKind kind() const { return state_.document.kind; }
    const StorageTable& table() const { return state_.document.table; }
    BarChart& categoryChart() { return *chart1_; }  // Chart2D1
    BarChart& rollupChart() { return *chart2_; }    // Chart2D2
    shell::GridBackgroundSelector& gridBackgroundSelector() { return *selector_; }
    printing::PrintPreviewPanel& preview() { return *preview_; }

    // --- loading, activation, keys and leaving
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void placeControls() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Command2_Click();
    void mOex_Click();
    void Command6_Click();
    void mOS_Click();
    // Writes the table and the number in family; false, and said, when it failed.
    bool SaveStorageFile();
    void LoadStorageFile();
    std::string windowCaption() const;

    // --- the grid and the categories
    void WriteHeadings();
    void FillCategoryRows();
    void Command3D1_Click(int index);
    void SetCategoryRange(int category);
    void ShowCategoryButtons();
    std::string Grid1_RowCaption(int row);

    // --- entry
    void Grid1_SelectCell(int row, int col);
    void HighlightInputBox();
    void ApplyInputBoxEntry();
    void HideDatePicker();
    void WarnAllViewOnly();
    void WarnItemNameFirst();
    void WarnNoOnHand();
    void ResetStorageState();
    void Text1_Change();
    void Text1_Click();
    void Text1_KeyPress(int& keyAscii);
    void Text1_LostFocus();
    void Text2_Change();
    void Text2_GotFocus();
    void Text2_KeyDown(int& keyCode, int shift);
    void Text2_KeyPress(int& keyAscii);
    void Text2_LostFocus();
    void MonthView1_DateClick(const basic::CalendarDate& date);

    // --- defaults and clearing
    void Command4_Click();
    void Command5_Click();
    void mOClr_Click();

    // --- rollup and charts
    void mR_Click();
    void Command3_Click();
    void Command7_Click();
    void ShowRollupGrid();
    void ShowCategoryChart();

    // --- printing and copying
    void Command1_Click();
    void mOPrt_Click();
    void SSOption83_Click(int index);
    void SSCheck80_Click();
    void SSCheck81_Click();
    void RenderPreview();
    void mOCopy_Click();

    // --- buttons, menus and toolbars
    void mO_Click();
    void Toolbar2_ButtonClick(int button);
    void mOGB_Click();
    void mOGF_Click();
    void mOCol_Click();
    void mOAA_Click();
    void mOID_Click();
    void mH_Click();

    // --- the Utilities menu: the kind's files backed up or restored (backup_menu.cpp)
    void mUB_Click();
    void mUR_Click();

    const StorageWindowState& state() const { return state_; }
    StorageWindowState& state() { return state_; }

private:
    int helpTopic() const override;
    bool AskBeforeLeaving() override;
    void beforePopUp() override;
    void afterPopUp() override;

    void design();
    void wireEvents();
    void wireGridBackgroundSelector();
    void wirePreview();
    void loadPrintSettings();
    // The preview's Enlarge and Auto Size buttons, higher in full screen display.
    void placePreviewButtons();
    void setKindCaptions();
    // The table's cells of the rows shown, again, after a change.
    void showTable();
    void setEntryBoxColor(ui::TextBox& box, bool yellow);
    void focusExit();
    void setRollupTabStops(bool on);
    void setAllViewControls(bool enabled);
    // The question about a changed table before a backup or restore; false
    // when the action is to stop (Cancel, or a save that failed).
    bool AskSaveBeforeBackup(const char* question);

    StorageWindowState state_;
    std::unique_ptr<BarChart> chart1_;
    std::unique_ptr<BarChart> chart2_;
    std::unique_ptr<shell::GridBackgroundSelector> selector_;
    std::unique_ptr<printing::PrintPreviewPanel> preview_;
};

// Where the print preview's controls lie over the main panel.
extern const printing::PreviewPanelDesign StoragePreviewDesign;

// Makes the food storage window the start window's "&Emergency Storage".
void RegisterFoodStorage(shell::Application& app);

}  // namespace food_storage
