#pragma once
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

// The backup medium as the steps write it. A full disk shows itself only as
// a write that reaches the disk short; tests put a layer with a size limit in
// place of the real one.
namespace backup {

class DiskWriter {
public:
    virtual ~DiskWriter() = default;
    // Writes on from where the last write ended; how many bytes reached the
    // file (fewer than given when the disk is full).
    virtual std::size_t Write(std::string_view bytes) = 0;
    // Puts what was written on the disk and closes the file.
    [[nodiscard]] virtual bool Finish() = 0;
};

class DiskFiles {
public:
    virtual ~DiskFiles() = default;
    // Opens for writing from byte 0, creating a missing file; emptied first
    // when empty is true, otherwise bytes past those written stay. nullptr
    // when it cannot be opened (no disk, write-protected).
    virtual std::unique_ptr<DiskWriter> Open(const std::filesystem::path& file, bool empty) = 0;
    // True when the file is gone (or never was).
    virtual bool Remove(const std::filesystem::path& file) = 0;
    // Gives a file another name in the same file system in one step,
    // replacing a file of that name; false when it keeps its old name.
    virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
};

// The file system itself.
DiskFiles& RealDisk();

// Writes bytes as the whole of the file, then reads it back: true only when
// the disk holds exactly those bytes.
[[nodiscard]] bool WriteWhole(DiskFiles& disk, const std::filesystem::path& file, std::string_view bytes);

// Rewrites the start of an existing file in place (it does not grow when
// bytes are no longer than it), then reads those bytes back.
[[nodiscard]] bool RewriteStart(DiskFiles& disk, const std::filesystem::path& file, std::string_view bytes);

// Whether the file starts with exactly these bytes.
[[nodiscard]] bool StartsWith(const std::filesystem::path& file, std::string_view bytes);

}  // namespace backup
