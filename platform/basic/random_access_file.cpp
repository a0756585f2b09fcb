#include "platform/basic/random_access_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include "platform/basic/disk_sync.h"
#include "platform/basic/durable_step.h"

namespace basic {

std::optional<RandomAccessFile> RandomAccessFile::Open(const std::filesystem::path& path, int recordLength) {
    if (recordLength < 1) return std::nullopt;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    return RandomAccessFile(fd, recordLength);
}

std::optional<RandomAccessFile> RandomAccessFile::OpenForReading(const std::filesystem::path& path, int recordLength) {
    if (recordLength < 1) return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    return RandomAccessFile(fd, recordLength);
}

RandomAccessFile::RandomAccessFile(RandomAccessFile&& other) noexcept
    : fd_(other.fd_), recordLength_(other.recordLength_) {
    other.fd_ = -1;
}

RandomAccessFile& RandomAccessFile::operator=(RandomAccessFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.fd_;
        recordLength_ = other.recordLength_;
        other.fd_ = -1;
    }
    return *this;
}

RandomAccessFile::~RandomAccessFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<long long> RandomAccessFile::OffsetOf(long record) const {
    if (record < 1) return std::nullopt;
    const long long index = record - 1;
    if (index > std::numeric_limits<off_t>::max() / recordLength_ - 1) return std::nullopt;
    return index * recordLength_;
}

std::size_t RandomAccessFile::ReadAt(long long offset, char* into, std::size_t size) const {
    std::size_t done = 0;
    while (fd_ >= 0 && done < size) {
        const ssize_t n =
            ::pread(fd_, into + done, size - done, static_cast<off_t>(offset + static_cast<long long>(done)));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    // A failed or short read leaves the rest as zero bytes.
    std::fill(into + done, into + size, '\0');
    return done;
}

std::string RandomAccessFile::Get(long record) const {
    std::string bytes(static_cast<std::size_t>(recordLength_), '\0');
    if (const auto offset = OffsetOf(record)) ReadAt(*offset, bytes.data(), bytes.size());
    return bytes;
}

std::string RandomAccessFile::GetBlock(long first, long count) const {
    std::string bytes;
    GetBlockInto(first, count, bytes);
    return bytes;
}

void RandomAccessFile::GetBlockInto(long first, long count, std::string& buffer) const {
    buffer.resize(count < 1 ? 0 : static_cast<std::size_t>(count) * static_cast<std::size_t>(recordLength_));
    GetBlockInto(first, count, buffer.data());
}

void RandomAccessFile::GetBlockInto(long first, long count, char* into) const {
    const std::size_t size = count < 1 ? 0 : static_cast<std::size_t>(count) * static_cast<std::size_t>(recordLength_);
    const auto offset = OffsetOf(first);
    if (offset) ReadAt(*offset, into, size);
    else std::fill(into, into + size, '\0');
}

bool RandomAccessFile::Flush() {
    if (fd_ < 0 || !disk_sync::File(fd_)) return false;
    durable_step::Done();
    return true;
}

bool RandomAccessFile::FlushRecord(long record) {
    const auto offset = OffsetOf(record);
    if (!offset || fd_ < 0) return false;
    if (!disk_sync::Range(fd_, *offset, recordLength_)) return false;
    durable_step::Done();
    return true;
}

bool RandomAccessFile::Put(long record, std::string_view bytes) {
    const auto offset = OffsetOf(record);
    if (!offset || fd_ < 0 || bytes.size() > static_cast<std::size_t>(recordLength_)) return false;
    // The whole record in one write, so no step of ours lies inside it.
    std::string padded(bytes);
    padded.resize(static_cast<std::size_t>(recordLength_), '\0');
    std::size_t done = 0;
    while (done < padded.size()) {
        const ssize_t n = ::pwrite(fd_, padded.data() + done, padded.size() - done,
                                   static_cast<off_t>(*offset + static_cast<long long>(done)));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    durable_step::Done();
    return true;
}

long RandomAccessFile::RecordCount() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) return 0;
    return static_cast<long>((info.st_size + recordLength_ - 1) / recordLength_);
}

}  // namespace basic
