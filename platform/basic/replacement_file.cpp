#include "platform/basic/replacement_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "platform/basic/atomic_write.h"
#include "platform/basic/disk_sync.h"
#include "platform/basic/durable_step.h"

namespace basic {

namespace detail {

namespace {

constexpr std::size_t kFlushSize = 64 * 1024;

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
}

std::filesystem::path TempNameBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    const std::string name = TemporaryNamePrefix(target) + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return target.parent_path() / name;
}

// Gives the unnamed file of fd the name path; false when it already exists.
bool LinkUnnamed(int fd, const std::filesystem::path& path) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno == EEXIST) return false;
    return ::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0;
}

}  // namespace

std::optional<ReplacementFile> ReplacementFile::Create(const std::filesystem::path& target) {
    if (target.filename().empty()) return std::nullopt;
    // The new file keeps the permissions of the one it replaces.
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    // A file without a name until it is complete: a kill leaves nothing
    // behind. Not every file system has them.
    const int unnamed = ::open(FolderOf(target).c_str(), O_WRONLY | O_TMPFILE | O_CLOEXEC, 0666);
    if (unnamed >= 0) {
        if (replacing) ::fchmod(unnamed, old.st_mode & 07777);
        return ReplacementFile(unnamed, target, {});
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto temp = TempNameBeside(target);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return std::nullopt;
        }
        if (replacing) ::fchmod(fd, old.st_mode & 07777);
        return ReplacementFile(fd, target, std::move(temp));
    }
    return std::nullopt;
}

ReplacementFile::ReplacementFile(int fd, std::filesystem::path target, std::filesystem::path temp)
    : fd_(fd), target_(std::move(target)), temp_(std::move(temp)) {}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      target_(std::move(other.target_)),
      temp_(std::move(other.temp_)),
      pending_(std::move(other.pending_)),
      failed_(other.failed_) {}

ReplacementFile& ReplacementFile::operator=(ReplacementFile&& other) noexcept {
    if (this != &other) {
        Discard();
        fd_ = std::exchange(other.fd_, -1);
        target_ = std::move(other.target_);
        temp_ = std::move(other.temp_);
        pending_ = std::move(other.pending_);
        failed_ = other.failed_;
    }
    return *this;
}

ReplacementFile::~ReplacementFile() { Discard(); }

void ReplacementFile::Discard() {
    if (fd_ < 0) return;
    ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
    fd_ = -1;
}

bool ReplacementFile::Write(std::string_view bytes) {
    if (fd_ < 0 || failed_) return false;
    pending_.append(bytes);
    if (pending_.size() >= kFlushSize) return Flush();
    return true;
}

bool ReplacementFile::Flush() {
    std::size_t done = 0;
    while (!failed_ && done < pending_.size()) {
        const ssize_t n = ::write(fd_, pending_.data() + done, pending_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) failed_ = true;
        else done += static_cast<std::size_t>(n);
    }
    if (done > 0 && !failed_) durable_step::Done();
    pending_.clear();
    return !failed_;
}

bool ReplacementFile::Commit() {
    if (fd_ < 0) return false;
    const bool written = Flush() && disk_sync::File(fd_);
    if (written) durable_step::Done();
    bool placed = written && PutInPlace();
    if (::close(fd_) != 0) placed = false;
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());  // nothing once renamed
    if (placed) basic::SyncFolderOf(target_);
    return placed;
}

bool ReplacementFile::PutInPlace() {
    if (temp_.empty()) {
        // A new file takes its name in one step; one that is there is
        // replaced through a name of ours, for the moment of the rename.
        if (LinkUnnamed(fd_, target_)) {
            durable_step::Done();
            return true;
        }
        if (errno != EEXIST) return false;
        for (int attempt = 0; attempt < 100 && temp_.empty(); ++attempt) {
            auto temp = TempNameBeside(target_);
            if (LinkUnnamed(fd_, temp)) temp_ = std::move(temp);
            else if (errno != EEXIST) return false;
        }
        if (temp_.empty()) return false;
        durable_step::Done();
    }
    if (std::rename(temp_.c_str(), target_.c_str()) != 0) return false;
    temp_.clear();
    durable_step::Done();
    return true;
}

}  // namespace detail

}  // namespace basic
