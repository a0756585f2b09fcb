#pragma once
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/basic/replacement_file.h"

namespace basic {

// Writes a sequential text file the way Basic's Write # and Print # do. The
// text goes to a temporary file beside the target; Commit puts it in place,
// and dropping the writer without Commit leaves the old file untouched.
class SequentialWriter {
public:
    // nullopt when the temporary file cannot be created.
    [[nodiscard]] static std::optional<SequentialWriter> Create(const std::filesystem::path& target);

    // One line of items, each between double quotes as it is (no escapes),
    // separated by commas, ended by CR LF.
    void Write(std::initializer_list<std::string_view> items);
    void Write(const std::vector<std::string>& items);

    // The text as it is, then CR LF.
    void WriteLine(std::string_view text);

    // Flushes, syncs and renames over the target; false when any step
    // (or an earlier write) failed, leaving the old file.
    [[nodiscard]] bool Commit();

private:
    explicit SequentialWriter(detail::ReplacementFile file) : file_(std::move(file)) {}
    template <typename Items>
    void WriteItems(const Items& items);

    detail::ReplacementFile file_;
};

}  // namespace basic
