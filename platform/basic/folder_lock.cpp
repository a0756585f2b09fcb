#include "platform/basic/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace basic {

FolderLock::Result FolderLock::Take(const std::filesystem::path& folder, std::optional<FolderLock>& lock) {
    const auto path = folder / FileName;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return Result::Unavailable;
    int taken;
    do taken = ::flock(fd, LOCK_EX | LOCK_NB);
    while (taken != 0 && errno == EINTR);
    if (taken != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Result::HeldByAnother : Result::Unavailable;
    }
    lock.emplace(FolderLock(fd));
    return Result::Taken;
}

FolderLock::FolderLock(FolderLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace basic
