#pragma once
#include <filesystem>
#include <string>
#include <vector>

// Internal: what a folder holds, with names as Windows-1252 text.
namespace basic::detail {

struct FolderEntry {
    std::string name;  // Windows-1252
    std::filesystem::path path;
    bool isFile = false;  // a regular file (after following links)
};

// Sorted by name; empty when the folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder);

}  // namespace basic::detail
