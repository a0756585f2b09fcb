// The day in the boxes: loading it from its year's file, saving it, clearing
// the boxes, the save questions and the move to another day.
#include "menu_planner/day_text.h"
#include "menu_planner/menu_planner_window.h"
#include "platform/basic/text.h"

namespace menu_planner {

namespace {

bool AllBoxesEmpty(const std::array<ui::TextBox*, Zcalandar::BoxCount>& boxes) {
    for (const ui::TextBox* box : boxes)
        if (!box->Text().empty()) return false;
    return true;
}

}  // namespace

void Zcalandar::LoadDayMenu() {
    HideItemLists();
    const basic::CalendarDate date = MonthView1->Value();
    const int key = DayKey(date);
    // The year's file comes into being with its first day loaded.
    const bool created = key != 0 && CreateYearMenuFile(app_.folder(), date.year);
    const LoadedDay day = created ? ReadDayMenu(app_.folder(), date.year, key) : LoadedDay{DayRead::Failed, {}};
    if (day.result == DayRead::Failed) {
        ClearDayBoxes();
        DisableDayCommands();
        state_.DayLoaded = false;
        return;
    }
    state_.LoadedDate = date;
    state_.MenuStartDate = date;
    state_.CurrentYear = date.year;
    state_.CurrentDayKey = key;
    state_.DayRecord = day.record;
    if (day.result == DayRead::InUse) {
        for (int i = 0; i < BoxCount; ++i)
            Text1[static_cast<std::size_t>(i)]->setText(day.record.entries[static_cast<std::size_t>(i)]);
    } else {
        ClearDayBoxes();
    }
    state_.LoadedDayKey = key;
    state_.LoadedYear = date.year;
    state_.DayLoaded = true;
    UnlockEntryBoxes();
    Command3->setEnabled(day.result == DayRead::InUse);
    Command4->setEnabled(true);
    ShowDateCaption();
}

namespace {

DayMenuRecord BoxesToRecord(const std::array<ui::TextBox*, Zcalandar::BoxCount>& boxes) {
    DayMenuRecord record;
    for (std::size_t i = 0; i < boxes.size(); ++i) record.entries[i] = basic::RTrim(boxes[i]->Text());
    record.inUse = true;
    return record;
}

}  // namespace

void Zcalandar::reportSaveFailure(const std::string& what) {
    app_.dialogs().MessageBox({"Menu Planner",
                               what + " could not be saved.\rThe entries stay as they are, so that nothing is lost; "
                                      "please check the program folder and save again.",
                               platform::MsgIcon::Exclamation, platform::MsgButtons::OK, 1});
}

bool Zcalandar::SaveDayMenu() {
    state_.DayRecord = BoxesToRecord(Text1);
    const basic::CalendarDate date = MonthView1->Value();
    state_.CurrentYear = date.year;
    state_.CurrentDayKey = DayKey(date);
    if (menu_planner::SaveDayMenu(app_.folder(), state_.CurrentYear, state_.CurrentDayKey, state_.DayRecord))
        return true;
    reportSaveFailure("The menu of " + DateCaption(date));
    return false;
}

bool Zcalandar::SavePreviousDay() {
    state_.DayRecord = BoxesToRecord(Text1);
    if (menu_planner::SaveDayMenu(app_.folder(), state_.LoadedYear, state_.LoadedDayKey, state_.DayRecord)) return true;
    reportSaveFailure("The menu of " + DateCaption(state_.LoadedDate));
    return false;
}

void Zcalandar::ClearDayBoxes() {
    for (ui::TextBox* box : Text1) box->setText({});
}

bool Zcalandar::AskSaveOnExit() {
    auto& vars = app_.vars;
    vars.MessageAnswer =
        app_.dialogs().MessageBox({"Menu Planner", "Save changes/entries before next action or exiting?",
                                   platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel, 1});
    if (vars.MessageAnswer == platform::answer::Cancel) return false;
    // Entries that could not be written stay changed, and the caller stops.
    if (vars.MessageAnswer == platform::answer::Yes && !SaveDayMenu()) return false;
    state_.EntriesChanged = false;
    return true;
}

bool Zcalandar::AskSaveOnMove() {
    auto& vars = app_.vars;
    vars.MessageAnswer = app_.dialogs().MessageBox({"Menu Planner", "Save changes/entries before next action?",
                                                    platform::MsgIcon::Question, platform::MsgButtons::YesNo, 1});
    const bool save = vars.MessageAnswer == platform::answer::Yes;
    vars.MessageAnswer = 0;
    if (save && !SavePreviousDay()) return false;
    state_.EntriesChanged = false;
    ClearDayBoxes();
    return true;
}

void Zcalandar::Command1_Click() {
    HideItemLists();
    if (AllBoxesEmpty(Text1) &&
        app_.dialogs().MessageBox({"Save", "There are currently No Entries to Save!\rSave anyway?",
                                   platform::MsgIcon::Information, platform::MsgButtons::YesNo, 2}) !=
            platform::answer::Yes)
        return;
    if (SaveDayMenu()) state_.EntriesChanged = false;
}

void Zcalandar::Command3_Click() {
    StatusBar1->setPanelText(1, "Clear Entries");
    HideItemLists();
    if (!AllBoxesEmpty(Text1)) {
        const int answer =
            app_.dialogs().MessageBox({"Clear Entries", "Clear all Entries for " + SSPanel4->Caption() + "?",
                                       platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel, 1});
        if (answer == platform::answer::Yes) {
            ClearDayBoxes();
            state_.EntriesChanged = true;
        }
    } else {
        app_.dialogs().MessageBox({"Clear Entries", "There are currently No Entries to Clear!",
                                   platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
    }
    StatusBar1->setPanelText(1, windowCaption());
}

void Zcalandar::MonthView1_SelChange(const basic::CalendarDate& /*start*/, const basic::CalendarDate& end,
                                     bool& cancel) {
    if (state_.DayLoaded && end == state_.LoadedDate) return;
    // Entries that could not be saved keep the old day on screen.
    if (state_.EntriesChanged && !AskSaveOnMove()) {
        cancel = true;
        return;
    }
    LoadDayMenu();
    if (Command7->Enabled() && Command7->Visible()) Command7->SetFocus();
}

void Zcalandar::ShowDateCaption() { SSPanel4->setCaption(DateCaption(MonthView1->Value())); }

void Zcalandar::DisableDayCommands() {
    for (ui::Control* button : std::initializer_list<ui::Control*>{Command4, Command1, Command3})
        button->setEnabled(false);
    for (ui::Menu* item : {mOCopy, mECopy, mOClr, mOS, mOV}) item->setEnabled(false);
}

void Zcalandar::EnableDayCommands() {
    for (ui::Control* button : std::initializer_list<ui::Control*>{Command4, Command1, Command3})
        button->setEnabled(true);
    for (ui::Menu* item : {mOCopy, mECopy, mOClr, mOS, mOV}) item->setEnabled(true);
}

void Zcalandar::LockEntryBoxes() {
    if (!Text1[0]->Enabled()) return;
    app_.dialogs().MessageBox({"Data Entry", "Please select a Day before entering data!",
                               platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
    for (ui::TextBox* box : Text1) box->setEnabled(false);
    focusExit();
}

void Zcalandar::UnlockEntryBoxes() {
    if (Text1[0]->Enabled()) return;
    for (ui::TextBox* box : Text1) box->setEnabled(true);
    focusExit();
}

void Zcalandar::focusExit() {
    if (Command2->Visible() && Command2->Enabled()) Command2->SetFocus();
}

}  // namespace menu_planner
