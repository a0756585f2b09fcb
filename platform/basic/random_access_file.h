#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace basic {

// A file of fixed-length records; record k (from 1) lies at byte (k-1) * L.
// Open it, read or write, and let it go: the destructor closes the file.
class RandomAccessFile {
public:
    // Creates a missing file (empty); nullopt when it cannot be opened for
    // reading and writing or recordLength < 1.
    [[nodiscard]] static std::optional<RandomAccessFile> Open(const std::filesystem::path& path, int recordLength);

    RandomAccessFile(RandomAccessFile&& other) noexcept;
    RandomAccessFile& operator=(RandomAccessFile&& other) noexcept;
    RandomAccessFile(const RandomAccessFile&) = delete;
    RandomAccessFile& operator=(const RandomAccessFile&) = delete;
    ~RandomAccessFile();

    int recordLength() const { return recordLength_; }

    // Exactly L bytes; zero bytes where the file ends before the record does
    // (and for record numbers below 1).
    std::string Get(long record) const;

    // Writes bytes padded with zero bytes to L, extending the file with zero
    // bytes if needed; no other byte changes. False when bytes are longer
    // than L, the record number is below 1, or the write fails.
    [[nodiscard]] bool Put(long record, std::string_view bytes);

    // File length / L, rounded up.
    long RecordCount() const;

private:
    RandomAccessFile(int fd, int recordLength) : fd_(fd), recordLength_(recordLength) {}
    std::optional<long long> OffsetOf(long record) const;

    int fd_ = -1;
    int recordLength_ = 0;
};

}  // namespace basic
