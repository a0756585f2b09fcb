#include "platform/basic/folder_entries.h"

#include <algorithm>

#include "platform/basic/path_text.h"

namespace basic::detail {

std::optional<std::vector<FolderEntry>> ReadFolder(const std::filesystem::path& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        const bool isFile = it->is_regular_file(typeError);
        const bool isFolder = !isFile && it->is_directory(typeError);
        entries.push_back({TextFromPath(it->path().filename()), it->path(), isFile, isFolder});
    }
    if (error) return std::nullopt;
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder) {
    return ReadFolder(folder).value_or(std::vector<FolderEntry>{});
}

}  // namespace basic::detail
