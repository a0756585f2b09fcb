#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "backup/store/backup_user.h"
#include "backup/store/disk_files.h"
#include "backup/store/outcome.h"
#include "platform/basic/program_folder.h"

// The replace step of a restore, safe against a kill at any moment. Before
// the first rename a commit list in the staging folder names every program
// file to be replaced or removed; the old files are moved aside into the
// staging folder, not deleted, until the whole new set is in place. What an
// interruption leaves is settled by running the list to its end, or back
// when a move failed: the program folder then holds the whole new set or the
// whole old one, never a mix.
namespace backup {

enum class Settled {
    Nothing,     // no restore was left unfinished
    Discarded,   // a restore ended before its replace step: its staged files are gone, nothing was replaced
    Finished,    // the replace step ran to its end: the whole new set is in place
    RolledBack,  // a move failed, or the list could not be written: the whole old set is in place
    Unsettled,   // neither could be done; the list stays for the next try
};

// One file of the replace step.
struct ReplaceEntry {
    std::string staged;  // its new bytes in the staging folder; "" when the program's file is only removed
    std::string target;  // the program folder's file, spelt as it is there
};

// Runs the replace step once every staged file is complete and read back.
Settled ReplaceFromStaging(const std::filesystem::path& programFolder, const std::vector<ReplaceEntry>& entries,
                           DiskFiles& disk);

// Settles what an interrupted restore left in the program folder. The
// program calls it at start, once it holds the folder's lock and before
// anything reads the data files; every backup and restore step calls it first.
Settled FinishInterruptedRestore(const basic::ProgramFolder& folder, DiskFiles& disk = RealDisk());

// For the steps: settles first; when that cannot be done, the message is
// shown and the outcome that ends the step given.
std::optional<Outcome> SettleBeforeStep(const basic::ProgramFolder& folder, BackupUser& user, bool restoring,
                                        DiskFiles& disk = RealDisk());

}  // namespace backup
