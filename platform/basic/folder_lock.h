#pragma once
#include <filesystem>
#include <optional>

namespace basic {

// A claim on a data folder by one running copy of the program: a lock file in
// the folder, locked for as long as the claim lives. The system lets the lock
// go when the process ends in any way, a kill included, so it is never left
// stale.
class FolderLock {
public:
    enum class Result { Taken, HeldByAnother, Unavailable };

    // Unavailable when the lock file cannot be made (a folder that may only be
    // read); the program then goes on without the claim.
    static Result Take(const std::filesystem::path& folder, std::optional<FolderLock>& lock);

    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

    // The lock file's name in the folder.
    static constexpr const char* FileName = ".pantrivo.lock";

private:
    explicit FolderLock(int fd) : fd_(fd) {}
    int fd_ = -1;
};

}  // namespace basic
