// "Calendar Display Options": the months shown, the week numbers, the first
// day of the week and today's mark, shown on the calendar at once and stored
// when the panel closes.
#include "menu_planner/menu_planner_window.h"

namespace menu_planner {

namespace {

// The side toolbar's buttons the panel turns off: all but its own, Help and Exit.
constexpr int LastDayButton = 6;

}  // namespace

void Zcalandar::ShowCalendarOptions() {
    state_.Options = ReadCalendarOptions(app_.folder());
    const CalendarOptions& o = state_.Options;
    SSOption2[static_cast<std::size_t>(o.MonthsShown)]->setValue(true);
    SSOption3[static_cast<std::size_t>(o.WeekNumbersOption)]->setValue(true);
    SSOption4[static_cast<std::size_t>(o.FirstWeekday - 1)]->setValue(true);
    SSOption5[static_cast<std::size_t>(o.ShowTodayOption)]->setValue(true);
}

void Zcalandar::ApplyCalendarOptions() {
    menu_planner::ApplyCalendarOptions(state_.Options, *MonthView1);
    MonthView1->setLeft(SSPanel1->Width() / 2 - MonthView1->Width() / 2);
}

void Zcalandar::mOCal_Click() {
    for (int button = 1; button <= LastDayButton; ++button) Toolbar2->setButtonEnabled(button, false);
    StatusBar1->setPanelText(1, "Calendar Display Options");
    HideItemLists();
    ShowCalendarOptions();
    mO->setEnabled(false);
    mECopy->setEnabled(false);
    state_.OptionsOpen = true;
    SSPanel6->setVisible(true);
    Command14->SetFocus();
}

void Zcalandar::SSOption2_Click(int index) {
    state_.Options.MonthsShown = index;
    ApplyCalendarOptions();
}

void Zcalandar::SSOption3_Click(int index) {
    state_.Options.WeekNumbersOption = index;
    ApplyCalendarOptions();
}

void Zcalandar::SSOption4_Click(int index) {
    state_.Options.FirstWeekday = index + 1;
    ApplyCalendarOptions();
}

void Zcalandar::SSOption5_Click(int index) {
    state_.Options.ShowTodayOption = index;
    ApplyCalendarOptions();
}

void Zcalandar::Command14_Click() {
    if (!WriteCalendarOptions(app_.folder(), state_.Options))
        app_.dialogs().MessageBox({"Calendar Display Options",
                                   "The calendar options could not be saved; the calendar shows them until the "
                                   "window closes.",
                                   platform::MsgIcon::Exclamation, platform::MsgButtons::OK, 1});
    mO->setEnabled(true);
    mECopy->setEnabled(state_.DayLoaded);
    state_.OptionsOpen = false;
    SSPanel6->setVisible(false);
    for (int button = 1; button <= LastDayButton; ++button) Toolbar2->setButtonEnabled(button, true);
    StatusBar1->setPanelText(1, windowCaption());
}

}  // namespace menu_planner
