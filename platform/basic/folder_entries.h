#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Internal: what a folder holds, with names as Windows-1252 text.
namespace basic::detail {

struct FolderEntry {
    std::string name;  // Windows-1252
    std::filesystem::path path;
    bool isFile = false;    // a regular file (after following links)
    bool isFolder = false;  // a folder (after following links)
};

// Sorted by name; nothing when the folder cannot be read, so that an
// unreadable folder is told from an empty one.
std::optional<std::vector<FolderEntry>> ReadFolder(const std::filesystem::path& folder);

// Sorted by name; empty when the folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder);

}  // namespace basic::detail
