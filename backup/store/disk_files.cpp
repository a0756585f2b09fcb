#include "backup/store/disk_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/basic/atomic_write.h"
#include "platform/basic/durable_step.h"

namespace backup {
namespace {

class FileWriter final : public DiskWriter {
public:
    explicit FileWriter(int fd) : fd_(fd) {}
    ~FileWriter() override {
        if (fd_ >= 0) ::close(fd_);
    }
    std::size_t Write(std::string_view bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        if (done > 0) basic::durable_step::Done();
        return done;
    }
    bool Finish() override {
        const bool synced = ::fdatasync(fd_) == 0;
        if (synced) basic::durable_step::Done();
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return synced && closed;
    }

private:
    int fd_;
};

class FileSystemDisk final : public DiskFiles {
public:
    std::unique_ptr<DiskWriter> Open(const std::filesystem::path& file, bool empty) override {
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (empty ? O_TRUNC : 0), 0644);
        if (fd < 0) return nullptr;
        return std::make_unique<FileWriter>(fd);
    }
    // The folder is synced once a disk is written (SyncFolderOf), not at
    // every name removed.
    bool Remove(const std::filesystem::path& file) override {
        std::error_code error;
        if (std::filesystem::remove(file, error)) basic::durable_step::Done();
        return !std::filesystem::exists(std::filesystem::symlink_status(file, error));
    }
    bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (std::rename(from.c_str(), to.c_str()) != 0) return false;
        basic::durable_step::Done();
        return true;
    }
};

bool WriteThrough(DiskFiles& disk, const std::filesystem::path& file, std::string_view bytes, bool empty) {
    auto writer = disk.Open(file, empty);
    if (!writer) return false;
    const bool written = writer->Write(bytes) == bytes.size();
    return writer->Finish() && written && StartsWith(file, bytes);
}

}  // namespace

DiskFiles& RealDisk() {
    static FileSystemDisk disk;
    return disk;
}

bool WriteWhole(DiskFiles& disk, const std::filesystem::path& file, std::string_view bytes) {
    std::error_code error;
    return WriteThrough(disk, file, bytes, true) && std::filesystem::file_size(file, error) == bytes.size();
}

bool RewriteStart(DiskFiles& disk, const std::filesystem::path& file, std::string_view bytes) {
    return WriteThrough(disk, file, bytes, false);
}

bool StartsWith(const std::filesystem::path& file, std::string_view bytes) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::vector<char> buffer(1 << 16);
    std::size_t done = 0;
    bool same = true;
    while (same && done < bytes.size()) {
        const std::size_t want = std::min(buffer.size(), bytes.size() - done);
        const ssize_t n = ::read(fd, buffer.data(), want);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            same = false;
            break;
        }
        same = std::memcmp(buffer.data(), bytes.data() + done, static_cast<std::size_t>(n)) == 0;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return same;
}

}  // namespace backup
