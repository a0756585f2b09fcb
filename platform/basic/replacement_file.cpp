#include "platform/basic/replacement_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace basic::detail {

namespace {

constexpr std::size_t kFlushSize = 64 * 1024;

std::filesystem::path TempNameBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    const std::string name =
        "." + target.filename().string() + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return target.parent_path() / name;
}

void SyncFolderOf(const std::filesystem::path& file) {
    const auto folder = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename is done either way
    ::close(fd);
}

}  // namespace

std::optional<ReplacementFile> ReplacementFile::Create(const std::filesystem::path& target) {
    if (target.filename().empty()) return std::nullopt;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto temp = TempNameBeside(target);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return std::nullopt;
        }
        // The new file keeps the permissions of the one it replaces.
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
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
    ::unlink(temp_.c_str());
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
    pending_.clear();
    return !failed_;
}

bool ReplacementFile::Commit() {
    if (fd_ < 0) return false;
    const bool written = Flush() && ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!written || !closed || std::rename(temp_.c_str(), target_.c_str()) != 0) {
        ::unlink(temp_.c_str());
        return false;
    }
    SyncFolderOf(target_);
    return true;
}

}  // namespace basic::detail
