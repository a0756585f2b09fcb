#pragma once
#include <filesystem>
#include <string_view>

namespace basic {

// Replaces the whole file with bytes through a temporary file beside it
// (written, synced, renamed), so a failure leaves the old content in place.
[[nodiscard]] bool AtomicWriteFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace basic
