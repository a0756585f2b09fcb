#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "backup/store/backup_user.h"
#include "backup/store/disk_files.h"
#include "backup/store/outcome.h"
#include "food_storage/store/storage_table.h"
#include "platform/basic/program_folder.h"

// A food storage kind's files, copied whole to one disk under the kind's own
// extension and back: basic "FdsB1.Fil" as "FdsB1.Fds" (with the number in
// family "FdsB2.Fil"), emergency "EmerE1.Fil" as "EmerE1.EmE", additional
// "AddA1.Fil" as "AddA1.AdA".
namespace backup {

struct StorageCopy {
    std::string programName;  // "FdsB1.Fil"
    std::string copyName;     // "FdsB1.Fds"
};
std::vector<StorageCopy> StorageSet(food_storage::StorageKind kind);

// The file of the set that cannot be read (a table never saved), as a
// message; nothing when all can. Checked before the user is asked anything.
std::optional<std::string> StorageSourceProblem(const basic::ProgramFolder& folder, food_storage::StorageKind kind);

// Run after the user agreed that the set's old copies at the target are
// deleted. Repeats on a new disk until the whole set fits or the user
// cancels.
Outcome BackupStorage(const basic::ProgramFolder& folder, food_storage::StorageKind kind,
                      const std::filesystem::path& target, BackupUser& user, DiskFiles& disk = RealDisk());

// Asks, then copies the set from source (names in any letter case) and
// replaces the program's files only once every copy has been read, all of
// them or none; disk is the program folder's file layer.
Outcome RestoreStorage(const basic::ProgramFolder& folder, food_storage::StorageKind kind,
                       const std::filesystem::path& source, BackupUser& user, DiskFiles& disk = RealDisk());

}  // namespace backup
