#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace basic {

// Replaces the whole file with bytes through a temporary file beside it
// (written, synced, renamed), so a failure or a kill at any moment leaves the
// old content or the new one. Where the file system allows, the temporary
// file has no name until it is complete, so a kill leaves nothing behind.
[[nodiscard]] bool AtomicWriteFile(const std::filesystem::path& path, std::string_view bytes);

// Writes bytes as the whole of a new or emptied file in one write and syncs
// it and its folder entry. Not atomic: whoever reads it must recognise a
// file cut short (a journal carries its own check for that).
[[nodiscard]] bool WriteSyncedFile(const std::filesystem::path& path, std::string_view bytes);

// Removes the file and syncs its folder, so it stays gone; true when it is
// gone (or was never there).
[[nodiscard]] bool RemoveSyncedFile(const std::filesystem::path& path);

// Syncs the folder of file, so that names made, renamed or removed in it stay.
void SyncFolderOf(const std::filesystem::path& file);

// The start of the name of every temporary file the program writes beside
// target: ".<name>.pantrivo-tmp-".
std::string TemporaryNamePrefix(const std::filesystem::path& target);

// Removes temporary files that an interrupted rewrite of target left beside
// it. Only for folders no other running copy of the program writes to.
void RemoveLeftoverTemporaries(const std::filesystem::path& target);

// The same for several targets of one folder, read once.
void RemoveLeftoverTemporaries(const std::vector<std::filesystem::path>& targets);

}  // namespace basic
