// The Utilities menu: the loaded year's file backed up by the backup window,
// or restored by it and then shown afresh. A step that fails is skipped.
#include "menu_planner/menu_planner_window.h"
#include "platform/basic/file_commands.h"
#include "shell/backup_handover.h"
#include "shell/hinfo1.h"

namespace menu_planner {

// Loading a day creates its year's file, so an empty file holds nothing to back up.
void Zcalandar::mU_Click() {
    const auto length = basic::FileLen(app_.folder().Resolve(YearMenuFileName(state_.LoadedYear)));
    mUB->setEnabled(length.value_or(0) > 0);
}

void Zcalandar::mUB_Click() {
    // The question empties the boxes: they show the day again as its file
    // holds it, so that nothing typed next is saved over entries they no
    // longer show. Entries that could not be saved stay as they are.
    if (state_.EntriesChanged && AskSaveOnMove()) LoadDayMenu();
    app_.vars.BackupYear = state_.CurrentYear;
    static_cast<void>(shell::ShowBackupWindow(app_, shell::backup_family::MenuYearBackup));
    shell::EndWait(app_);
}

void Zcalandar::mUR_Click() {
    // The restore replaces the boxes' day: changed entries are asked about
    // first, and entries that could not be saved are kept on screen.
    if (state_.EntriesChanged && !AskSaveOnMove()) return;
    app_.vars.BackupYear = state_.CurrentYear;
    if (shell::ShowBackupWindow(app_, shell::backup_family::MenuYearRestore)) {
        // Loaded afresh: the calendar back on today, today's menu read from the restored file.
        LoadActivity();
        app_.runtime().doEvents();
        Command2->setEnabled(true);
    }
    shell::EndWait(app_);
}

}  // namespace menu_planner
