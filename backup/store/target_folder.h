#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "backup/store/disk_files.h"
#include "backup/store/restore_commit.h"

namespace backup {

// Whether chosen is the program folder itself, by their canonical paths:
// links, "." and "..", a trailing separator and letter case make no
// difference. A folder below it is another folder.
bool IsProgramFolder(const std::filesystem::path& chosen, const std::filesystem::path& programFolder);

// A file of a restore in the staging folder, and the program's file it
// replaces.
struct StagedFile {
    std::string staged;
    std::string programName;
};

// The files of a restore, gathered in a folder of their own inside the
// program folder and moved over the program's files only when all of them
// are complete, so a missing disk or a failed copy leaves the old data whole.
class RestoreStaging {
public:
    // Settles what an interrupted restore left (restore_commit.h), then
    // starts an empty staging folder; check ok() before use.
    explicit RestoreStaging(std::filesystem::path programFolder, DiskFiles& disk = RealDisk());
    // Removes the folder, unless a replace step left it unsettled.
    ~RestoreStaging();
    RestoreStaging(const RestoreStaging&) = delete;
    RestoreStaging& operator=(const RestoreStaging&) = delete;

    bool ok() const { return ok_; }
    std::filesystem::path operator/(const std::string& name) const { return folder_ / name; }

    // Copies a file of the backup into the staging folder and reads it
    // back; the name is found without regard to letter case.
    [[nodiscard]] bool CopyIn(const std::filesystem::path& backupFolder, const std::string& name);

    // Moves each staged file over the program folder's file of its name
    // (found without regard to letter case) and removes the program's files
    // named in removals, all of them or none: Finished, RolledBack, or
    // Unsettled until FinishInterruptedRestore next runs.
    [[nodiscard]] Settled Commit(const std::vector<StagedFile>& files, const std::vector<std::string>& removals = {});

private:
    std::filesystem::path programFolder_;
    std::filesystem::path folder_;
    DiskFiles& disk_;
    bool ok_ = false;
    bool unsettled_ = false;
};

inline constexpr const char* StagingFolderName = ".pantrivo-restore";

}  // namespace backup
