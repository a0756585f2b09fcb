#include "platform/basic/folder_entries.h"

#include <algorithm>

#include "platform/basic/path_text.h"

namespace basic::detail {

std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code typeError;
        const bool isFile = it->is_regular_file(typeError);
        entries.push_back({TextFromPath(it->path().filename()), it->path(), isFile});
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

}  // namespace basic::detail
