#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Internal: the new content of a file, written to a temporary file beside it
// and moved over it only once complete, so a failure midway leaves the old
// file as it was.
namespace basic::detail {

class ReplacementFile {
public:
    // nullopt when the temporary file cannot be created.
    [[nodiscard]] static std::optional<ReplacementFile> Create(const std::filesystem::path& target);

    ReplacementFile(ReplacementFile&& other) noexcept;
    ReplacementFile& operator=(ReplacementFile&& other) noexcept;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    // Without a successful Commit the temporary file is removed.
    ~ReplacementFile();

    // False once any write has failed (Commit will then fail too).
    bool Write(std::string_view bytes);

    // Writes what is left, syncs it to disk and renames it over the target.
    [[nodiscard]] bool Commit();

private:
    ReplacementFile(int fd, std::filesystem::path target, std::filesystem::path temp);
    bool Flush();
    bool PutInPlace();
    void Discard();

    int fd_ = -1;
    std::filesystem::path target_;
    std::filesystem::path temp_;  // empty while the file has no name
    std::string pending_;
    bool failed_ = false;
};

}  // namespace basic::detail
