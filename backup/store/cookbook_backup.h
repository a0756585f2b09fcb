#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "backup/store/backup_user.h"
#include "backup/store/disk_files.h"
#include "backup/store/outcome.h"
#include "platform/basic/program_folder.h"

// A cookbook to a backup folder or across several disks: the 22 name index
// files whole on the first disk, the records 1 to the highest an index names
// in "Recipe2.bk" + N on each disk, and on each disk "DiskInfo.bk" + N.
namespace backup {

// "DiskInfo.bk3", "Recipe2.bk3" for cookbook 3.
std::string CookbookDiskInfoName(int cookbook);
std::string CookbookCopyName(int cookbook);

// Why the cookbook cannot be backed up (an index file that cannot be read);
// nothing when it can. Checked before the user is asked anything.
std::optional<std::string> CookbookSourceProblem(const basic::ProgramFolder& folder, int cookbook);

// Run after the user agreed that the set's old copies at the target are
// deleted.
Outcome BackupCookbook(const basic::ProgramFolder& folder, int cookbook, const std::filesystem::path& target,
                       BackupUser& user, DiskFiles& disk = RealDisk());

// Restores the cookbook from the first disk at source on, asking for the
// others; cookbook 1 also from the older backup format. The program's files
// are replaced only once the whole set has been read, all of them or none
// (restore_commit.h); disk is the program folder's file layer.
Outcome RestoreCookbook(const basic::ProgramFolder& folder, int cookbook, const std::filesystem::path& source,
                        BackupUser& user, DiskFiles& disk = RealDisk());

// The message and outcome for the program folder chosen as backup location.
Outcome RefuseProgramFolder(BackupUser& user, bool restoring);

}  // namespace backup
