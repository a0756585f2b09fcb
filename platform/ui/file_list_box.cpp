#include "platform/ui/file_list_box.h"

#include <algorithm>

#include "platform/basic/folder_entries.h"
#include "platform/basic/path_text.h"
#include "platform/basic/text.h"
#include "platform/basic/wildcard.h"
#include "platform/ui/volume.h"

namespace ui {

namespace {
const std::string kNone;
}

bool FileListBox::read(const std::string& path, bool keepChoice) {
    const std::filesystem::path folder = PlainFolderPath(basic::PathFromText(path));
    const auto found = basic::detail::ReadFolder(folder);
    if (!found) return false;
    std::vector<std::string> files;
    for (const auto& entry : *found)
        if (entry.isFile && basic::detail::MatchesPattern(entry.name, pattern_)) files.push_back(entry.name);
    std::stable_sort(files.begin(), files.end(),
                     [](const std::string& a, const std::string& b) { return basic::UCase(a) < basic::UCase(b); });
    // A chosen file that is still listed stays chosen.
    const auto kept = std::find(files.begin(), files.end(), FileName());
    listIndex_ = keepChoice && listIndex_ >= 0 && kept != files.end() ? static_cast<int>(kept - files.begin()) : -1;
    path_ = basic::TextFromPath(folder);
    files_ = std::move(files);
    changed(Property::Items);
    return true;
}

bool FileListBox::setPath(const std::string& path) { return read(path, path == path_); }

void FileListBox::setPattern(const std::string& pattern) {
    pattern_ = pattern;
    if (!path_.empty()) static_cast<void>(Refresh());  // an unreadable folder shows empty
}

bool FileListBox::Refresh() {
    if (read(path_, true)) return true;
    files_.clear();
    listIndex_ = -1;
    changed(Property::Items);
    return false;
}

const std::string& FileListBox::List(int at) const { return at >= 0 && at < ListCount() ? files_[at] : kNone; }

void FileListBox::setListIndex(int at) {
    if (at < 0 || at >= ListCount()) at = -1;
    const bool moved = at != listIndex_;
    listIndex_ = at;
    if (moved) changed(Property::Selection);
    if (at >= 0) raise("Click", onClick);
}

}  // namespace ui
