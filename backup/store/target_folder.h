#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace backup {

// Whether chosen is the program folder itself, by their canonical paths:
// links, "." and "..", a trailing separator and letter case make no
// difference. A folder below it is another folder.
bool IsProgramFolder(const std::filesystem::path& chosen, const std::filesystem::path& programFolder);

// The files of a restore, gathered in a folder of their own inside the
// program folder and moved over the program's files only when all of them
// are complete, so a missing disk or a failed copy leaves the old data whole.
class RestoreStaging {
public:
    // Starts an empty staging folder (removing one an interrupted restore
    // left); check ok() before use.
    explicit RestoreStaging(std::filesystem::path programFolder);
    ~RestoreStaging();
    RestoreStaging(const RestoreStaging&) = delete;
    RestoreStaging& operator=(const RestoreStaging&) = delete;

    bool ok() const { return ok_; }
    std::filesystem::path operator/(const std::string& name) const { return folder_ / name; }

    // Copies a file of the backup into the staging folder and reads it
    // back; the name is found without regard to letter case.
    [[nodiscard]] bool CopyIn(const std::filesystem::path& backupFolder, const std::string& name);

    // Moves each named file over the program folder's file of that name
    // (found without regard to letter case). False when a move failed.
    [[nodiscard]] bool Commit(const std::vector<std::string>& names);

private:
    std::filesystem::path programFolder_;
    std::filesystem::path folder_;
    bool ok_ = false;
};

inline constexpr const char* StagingFolderName = ".pantrivo-restore";

}  // namespace backup
