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
    // Creates a missing file (empty). A file that may only be read opens for
    // reading (every Put then fails). nullopt when it cannot be opened at all
    // or recordLength < 1.
    [[nodiscard]] static std::optional<RandomAccessFile> Open(const std::filesystem::path& path, int recordLength);
    // The same for reading only, never creating the file: nullopt when it is
    // missing too.
    [[nodiscard]] static std::optional<RandomAccessFile> OpenForReading(const std::filesystem::path& path,
                                                                        int recordLength);

    RandomAccessFile(RandomAccessFile&& other) noexcept;
    RandomAccessFile& operator=(RandomAccessFile&& other) noexcept;
    RandomAccessFile(const RandomAccessFile&) = delete;
    RandomAccessFile& operator=(const RandomAccessFile&) = delete;
    ~RandomAccessFile();

    int recordLength() const { return recordLength_; }

    // Exactly L bytes; zero bytes where the file ends before the record does
    // (and for record numbers below 1).
    std::string Get(long record) const;

    // Records first .. first + count - 1 in one read, count * L bytes, zero
    // bytes where the file ends; for scanning many records at once.
    std::string GetBlock(long first, long count) const;
    // The same into a buffer the caller keeps, for scans that read block
    // after block; buffer is resized to count * L.
    void GetBlockInto(long first, long count, std::string& buffer) const;
    // The same into memory of count * L bytes the caller provides.
    void GetBlockInto(long first, long count, char* into) const;

    // Writes bytes padded with zero bytes to L, extending the file with zero
    // bytes if needed; no other byte changes. False when bytes are longer
    // than L, the record number is below 1, or the write fails.
    [[nodiscard]] bool Put(long record, std::string_view bytes);

    // Waits until what was written is on the disk.
    [[nodiscard]] bool Flush();
    // Waits until one record's bytes are on the disk (not the file's size or
    // dates, which the next full flush of any file brings along).
    [[nodiscard]] bool FlushRecord(long record);

    // File length / L, rounded up.
    long RecordCount() const;

private:
    RandomAccessFile(int fd, int recordLength) : fd_(fd), recordLength_(recordLength) {}
    std::optional<long long> OffsetOf(long record) const;
    std::size_t ReadAt(long long offset, char* into, std::size_t size) const;

    int fd_ = -1;
    int recordLength_ = 0;
};

}  // namespace basic
