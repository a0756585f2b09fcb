// The Utilities menu: the shown kind's files backed up by the backup window,
// or restored by it and then loaded afresh.
#include <array>

#include "food_storage/storage_window.h"
#include "shell/backup_handover.h"
#include "shell/hinfo1.h"

namespace food_storage {

namespace {

namespace family = shell::backup_family;

std::int16_t BackupFamilyOf(StorageKind kind) {
    static constexpr std::array<std::int16_t, 3> codes{family::BasicStorageBackup, family::EmergencyStorageBackup,
                                                       family::AdditionalStorageBackup};
    return codes[static_cast<std::size_t>(kind)];
}

std::int16_t RestoreFamilyOf(StorageKind kind) {
    static constexpr std::array<std::int16_t, 3> codes{family::BasicStorageRestore, family::EmergencyStorageRestore,
                                                       family::AdditionalStorageRestore};
    return codes[static_cast<std::size_t>(kind)];
}

}  // namespace

bool Form24::AskSaveBeforeBackup(const char* question) {
    if (!state_.document.changed) return true;
    const int answer = app_.dialogs().MessageBox(
        {"Food Storage", question, platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel, 1});
    if (answer == platform::answer::Cancel) return false;
    // No keeps the changes marked, so that leaving the window still asks about them.
    if (answer != platform::answer::Yes) return true;
    shell::BeginWait(app_);
    const bool saved = SaveStorageFile();
    shell::PauseOneSecond(app_);
    shell::EndWait(app_);
    // A failed save was reported; the files are not what the user meant to back up or keep.
    return saved;
}

void Form24::mUB_Click() {
    if (!AskSaveBeforeBackup("Save changes made to Food Storage data before making backup?")) return;
    static_cast<void>(shell::ShowBackupWindow(app_, BackupFamilyOf(kind())));
    shell::EndWait(app_);
}

void Form24::mUR_Click() {
    // The restored files replace the table on screen: its changes are asked about first.
    if (!AskSaveBeforeBackup("Save changes made to Food Storage data before restoring files?")) return;
    if (shell::ShowBackupWindow(app_, RestoreFamilyOf(kind()))) {
        // What lies over the table closes as on leaving; then the kind loads
        // afresh from the restored files, in the All view.
        if (selector_->isOpen()) selector_->CloseBackgroundSelector();
        if (preview_->isOpen()) preview_->Cancel();
        LoadActivity();
    }
    shell::EndWait(app_);
}

}  // namespace food_storage
