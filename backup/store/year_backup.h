#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "backup/store/backup_user.h"
#include "backup/store/disk_files.h"
#include "backup/store/outcome.h"
#include "platform/basic/program_folder.h"

// A menu planner year to a backup folder or across several disks: its 431
// records in " 2004.Mb1" on each disk, and "Disk2004.Mbk" saying which disk
// it is and the first record not on it.
namespace backup {

std::string YearDiskInfoName(int year);  // "Disk2004.Mbk"
std::string YearCopyName(int year);      // " 2004.Mb1"

// Why the year cannot be backed up (no year file, or one that cannot be
// read); nothing when it can.
std::optional<std::string> YearSourceProblem(const basic::ProgramFolder& folder, int year);

// Run after the user agreed that the year's old copies at the target are
// deleted.
Outcome BackupYear(const basic::ProgramFolder& folder, int year, const std::filesystem::path& target,
                   BackupUser& user, DiskFiles& disk = RealDisk());

// Restores the year from the first disk at source on, asking for the others;
// the year file is replaced only once all its records were read.
Outcome RestoreYear(const basic::ProgramFolder& folder, int year, const std::filesystem::path& source,
                    BackupUser& user);

}  // namespace backup
