#pragma once
#include "platform/basic/program_folder.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

// What the dialogs with a drive list and a folder list share: the folder
// list opening the chosen drive, the drive list following a folder opened on
// another drive, and the program folder made current again when they close.
namespace shell {

// Opens the chosen drive in the folder list at the drive's current folder,
// or at its root when that folder went away; false when the drive cannot be
// read (no disk, not ready).
[[nodiscard]] bool OpenChosenDrive(ui::DriveListBox& drives, ui::DirListBox& folders);

// The folder list's folder stays the current one of its drive while the
// program runs, and the drive list shows that drive (which raises its Change
// when it was another).
void FollowOpenedFolder(ui::DriveListBox& drives, const ui::DirListBox& folders);

// The program folder becomes the current drive and folder again.
void MakeProgramFolderCurrent(ui::Form& dialog, const ui::DriveListBox& drives, const basic::ProgramFolder& folder);

}  // namespace shell
