#include "shell/backup_handover.h"

#include "shell/application.h"

namespace shell {

bool ShowBackupWindow(Application& app, std::int16_t family) {
    auto& vars = app.vars;
    vars.RestoreMode = backup_family::Restores(family) ? RestoreModeOn : 0;
    vars.BackupFamily = family;
    if (app.showBackupWindow()) return true;
    // The window would have set them back as it closed.
    vars.RestoreMode = vars.BackupFamily = 0;
    return false;
}

}  // namespace shell
