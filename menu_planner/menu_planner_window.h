#pragma once
#include <array>
#include <string>

#include <memory>

#include "menu_planner/menu_planner_state.h"
#include "menu_planner/printing/day_copy_text.h"
#include "menu_planner/printing/menu_print_layout.h"
#include "menu_planner/views/print_view_panel.h"
#include "platform/basic/calendar_date.h"
#include "platform/ui/controls.h"
#include "platform/ui/timer.h"
#include "printing/print_preview_panel.h"
#include "shell/activity_window.h"
#include "shell/application.h"

namespace menu_planner {

// The menu planner: a calendar chooses the day, and 21 boxes below it hold
// that day's seven breakfast, lunch and dinner entries, kept in one file per
// year. Pick lists beside the boxes offer the user's own meal items, which
// grow with what is typed.
class Zcalandar : public shell::ActivityWindow {
public:
    explicit Zcalandar(shell::Application& app);
    ~Zcalandar() override;

    static constexpr int BoxCount = DayEntryCount;  // Text1 0-6 breakfast, 7-13 lunch, 14-20 dinner
    static constexpr int LinesPerMeal = 7;

    // --- the window's controls
    ui::Image* Image1 = nullptr;                 // the background picture
    ui::Toolbar* Toolbar1 = nullptr;             // the top toolbar every activity window carries
    ui::Toolbar* Toolbar2 = nullptr;             // the side toolbar on the left: the day's commands
    ui::Toolbar* Toolbar3 = nullptr;             // the side toolbar on the right
    ui::StatusBar* StatusBar1 = nullptr;         // what the window does now; the toolbars' restore notices
    ui::Label* Label2 = nullptr;                 // hidden: its colour is the default panel colour
    ui::TextBox* Text3 = nullptr;                // hidden: its colour is the boxes' colour
    ui::Timer* Timer1 = nullptr;                 // moves the clock on every second
    ui::Panel* Panel3D1 = nullptr;               // the main panel, "Menu Planner"
    ui::Panel* SSPanel4 = nullptr;               // the date caption: "January 5, 2004"
    ui::Panel* SSPanel5 = nullptr;               // the clock: "9:05 AM"
    ui::Panel* SSPanel1 = nullptr;               // the calendar's panel
    ui::MonthView* MonthView1 = nullptr;         // the calendar: its day is the day planned
    ui::Panel* SSPanel2 = nullptr;               // the strip with the meals' heads
    std::array<ui::Label*, 3> Label1{};          // "Breakfast", "Lunch", "Dinner"
    std::array<ui::TextBox*, BoxCount> Text1{};  // the day's entries
    ui::ComboBox* Combo1 = nullptr;              // the breakfast pick list, beside the box with the focus
    ui::ComboBox* Combo2 = nullptr;              // the lunch pick list
    ui::ComboBox* Combo3 = nullptr;              // the dinner pick list
    ui::CommandButton* Command3 = nullptr;       // "&Clear Entries"
    ui::CommandButton* Command4 = nullptr;       // "&Edit Lists"
    ui::CommandButton* Command7 = nullptr;       // "&Print/View"
    ui::CommandButton* Command1 = nullptr;       // "&Save"
    ui::CommandButton* Command2 = nullptr;       // "E&xit"

    // --- "Calendar Display Options"
    ui::Panel* SSPanel6 = nullptr;
    std::array<ui::Frame*, 4> SSFrame6{};          // the four option frames
    std::array<ui::OptionButton*, 3> SSOption2{};  // "One Month (1)" to "Three Months (3)"
    std::array<ui::OptionButton*, 2> SSOption3{};  // week numbers: "Yes (Display)", "No (Don't Display)"
    std::array<ui::OptionButton*, 7> SSOption4{};  // the week starts with "Sunday" to "Saturday"
    std::array<ui::OptionButton*, 2> SSOption5{};  // today's mark: "No", "Yes"
    ui::CommandButton* Command14 = nullptr;        // "&Close": stores the options

    // --- "Edit  Lists"
    ui::Panel* Panel3D3 = nullptr;
    ui::CommandButton* Command10 = nullptr;  // "&Breakfast List"
    ui::CommandButton* Command8 = nullptr;   // "&Lunch List"
    ui::CommandButton* Command9 = nullptr;   // "&Dinner List"
    ui::ComboBox* Combo4 = nullptr;          // the open list's entries
    ui::TextBox* Text2 = nullptr;            // a new entry, or the entry chosen for deletion
    ui::CommandButton* Command12 = nullptr;  // "&Delete"
    ui::CommandButton* Command11 = nullptr;  // "&Close"
    ui::Label* Label4 = nullptr;             // the instructions

    // --- the menus' print options, in the preview's "Print Options" frame
    ui::CheckBox* Check82 = nullptr;  // "Print Date on each page"
    ui::CheckBox* Check83 = nullptr;  // "Print Grid Lines"

    // --- the menus
    ui::Menu* mO = nullptr;      // &Options
    ui::Menu* mOC = nullptr;     // Options > Panel C&olor
    ui::Menu* mOTC = nullptr;    // Options > &Text Color
    ui::Menu* mOV = nullptr;     // Options > &Edit Lists
    ui::Menu* mOClr = nullptr;   // Options > &Clear Entries
    ui::Menu* mOCopy = nullptr;  // Options > &Copy (shown in the popup only)
    ui::Menu* mOP = nullptr;     // Options > &Print
    ui::Menu* mOS = nullptr;     // Options > &Save
    ui::Menu* mOCal = nullptr;   // Options > Calendar &Display Options
    ui::Menu* mOe = nullptr;     // Options > E&xit
    ui::Menu* mE = nullptr;      // &Edit
    ui::Menu* mECopy = nullptr;  // Edit > &Copy
    ui::Menu* mU = nullptr;      // &Utilities
    ui::Menu* mUB = nullptr;     // Utilities > &Backup Selected Year File to Disk
    ui::Menu* mUR = nullptr;     // Utilities > &Restore Selected Year File from Disk
    ui::Menu* mH = nullptr;      // &Help

    // --- loading, activation, keys and leaving
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void placeControls() override;
    void Form_KeyPress(int& keyAscii);
    void Command2_Click();
    void mOe_Click();
    void Timer1_Timer();
    std::string windowCaption() const;

    // --- the day: loading, saving, clearing, moving to another day
    void LoadDayMenu();
    // Writes the boxes as the calendar's day; false, and told, when that failed.
    bool SaveDayMenu();
    // Writes the boxes as the day they were loaded from.
    bool SavePreviousDay();
    void ClearDayBoxes();
    // The save question before leaving: false when the user cancelled, or
    // the entries could not be saved.
    bool AskSaveOnExit();
    // The save question before another day: false when the entries could not be saved.
    bool AskSaveOnMove();
    void Command1_Click();
    void Command3_Click();
    void MonthView1_SelChange(const basic::CalendarDate& start, const basic::CalendarDate& end, bool& cancel);
    void ShowDateCaption();
    void DisableDayCommands();
    void EnableDayCommands();
    void LockEntryBoxes();
    void UnlockEntryBoxes();
    void HideItemLists();

    // --- the entry boxes and the pick lists
    void Text1_GotFocus(int index);
    void Text1_LostFocus(int index);
    void Text1_Change(int index);
    void Text1_Click(int index);
    void Text1_KeyDown(int index, int& keyCode, int shift);
    void Text1_KeyPress(int index, int& keyAscii);
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void SSPanel1_Click();
    void RememberBoxEntry();
    void LoadMealLists();

    // --- "Calendar Display Options"
    void mOCal_Click();
    void SSOption2_Click(int index);
    void SSOption3_Click(int index);
    void SSOption4_Click(int index);
    void SSOption5_Click(int index);
    void Command14_Click();
    void ShowCalendarOptions();
    void ApplyCalendarOptions();

    // --- "Edit  Lists"
    void Command4_Click();
    void Command10_Click();
    void Command8_Click();
    void Command9_Click();
    void Combo4_Click();
    void Combo4_DropDown();
    void Text2_Change();
    void Text2_GotFocus();
    void Text2_LostFocus();
    void Text2_KeyDown(int& keyCode, int shift);
    void Text2_KeyPress(int& keyAscii);
    void Command12_Click();
    void Command11_Click();

    // --- the views, the printouts and the day's copy
    void Command7_Click();
    void OpenPrintPreview();
    void RenderMenus();
    void Check82_Click();
    void Check83_Click();
    PrintViewPanel& printView() { return *printView_; }
    printing::PrintPreviewPanel& preview() { return *preview_; }

    // --- menus, side toolbar and colours
    void mOC_Click();
    void mOTC_Click();
    void mOV_Click();
    void mOClr_Click();
    void mOS_Click();
    void mOP_Click();
    void mECopy_Click();
    void mH_Click();
    void Toolbar2_ButtonClick(int button);

    // --- the Utilities menu: the year file backed up or restored (backup_menu.cpp)
    void mU_Click();
    void mUB_Click();
    void mUR_Click();

    const MenuPlannerState& state() const { return state_; }
    MenuPlannerState& state() { return state_; }
    // The pick list of a meal.
    ui::ComboBox& pickList(Meal meal) const;

private:
    int helpTopic() const override;
    bool AskBeforeLeaving() override;
    void beforePopUp() override;
    void afterPopUp() override;

    void design();
    void wireEvents();
    void applyTextColor();
    void focusExit();
    // The boxes and the day's buttons in or out of the keyboard order, as a panel opens over them.
    void setDayTabStops(bool on);
    void openEditList(EditList list);
    // Fills a meal's pick list (and Combo4 when open on it) from its list.
    void showMealList(Meal meal);
    // Writes a meal's list; a failure is told, the list on screen stays.
    void saveMealList(Meal meal);
    void reportSaveFailure(const std::string& what);
    void pick(ui::ComboBox& list);
    void wirePrinting();
    void placePreviewButtons();
    DayBoxes boxTexts() const;

    MenuPlannerState state_;
    MenuPrintSetup printSetup_;
    std::unique_ptr<PrintViewPanel> printView_;
    std::unique_ptr<printing::PrintPreviewPanel> preview_;
};

// Where the Print/View panel and the print preview lie over the main panel.
extern const PrintViewDesign MenuPrintViewDesign;
extern const printing::PreviewPanelDesign MenuPreviewDesign;

// The meal of an entry box.
Meal MealOfBox(int box);

// Makes the menu planner window the start window's "Menu &Planner".
void RegisterMenuPlanner(shell::Application& app);

}  // namespace menu_planner
