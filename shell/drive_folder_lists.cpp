#include "shell/drive_folder_lists.h"

#include "platform/basic/path_text.h"

namespace shell {

bool OpenChosenDrive(ui::DriveListBox& drives, ui::DirListBox& folders) {
    const int drive = drives.ListIndex();
    return drives.Ready(drive) && (folders.setPath(basic::TextFromPath(drives.CurrentFolderOf(drive))) ||
                                   folders.setPath(basic::TextFromPath(drives.RootOf(drive))));
}

void FollowOpenedFolder(ui::DriveListBox& drives, const ui::DirListBox& folders) {
    const std::filesystem::path folder = basic::PathFromText(folders.Path());
    const int drive = drives.DriveOf(folder);
    static_cast<void>(drives.rememberFolder(folder));
    if (drive >= 0 && drive != drives.ListIndex()) drives.setListIndex(drive);
}

void MakeProgramFolderCurrent(ui::Form& dialog, const ui::DriveListBox& drives, const basic::ProgramFolder& folder) {
    dialog.host().setCurrentFolder(drives.RootOf(0), folder.dir());
}

}  // namespace shell
