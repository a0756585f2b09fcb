#include "platform/ui/dir_list_box.h"

#include <algorithm>

#include "platform/basic/folder_entries.h"
#include "platform/basic/path_text.h"
#include "platform/basic/text.h"
#include "platform/ui/form.h"
#include "platform/ui/volume.h"

namespace ui {

namespace {

const std::string kNone;

std::string TextOf(const std::filesystem::path& path) { return basic::TextFromPath(path); }

}  // namespace

bool DirListBox::setPath(const std::string& path) {
    const std::filesystem::path folder = PlainFolderPath(basic::PathFromText(path));
    const auto found = basic::detail::ReadFolder(folder);
    if (!found) return false;

    // The folders above start at the root of the drive holding this one.
    const std::vector<Volume> volumes = form().host().volumes();
    const int drive = VolumeHolding(volumes, folder);
    const std::filesystem::path root = drive >= 0 ? PlainFolderPath(volumes[drive].root) : folder.root_path();

    std::vector<Entry> entries;
    std::vector<std::filesystem::path> chain;
    for (std::filesystem::path p = folder;; p = p.parent_path()) {
        chain.push_back(p);
        if (p == root || p == p.parent_path()) break;
    }
    std::reverse(chain.begin(), chain.end());
    for (const auto& p : chain) {
        const int level = static_cast<int>(entries.size());
        entries.push_back({TextOf(p), level == 0 ? TextOf(p) : basic::TextFromPath(p.filename()), level});
    }
    const int current = static_cast<int>(entries.size()) - 1;
    std::vector<basic::detail::FolderEntry> subfolders;
    for (const auto& entry : *found)
        if (entry.isFolder) subfolders.push_back(entry);
    std::stable_sort(subfolders.begin(), subfolders.end(),
                     [](const auto& a, const auto& b) { return basic::UCase(a.name) < basic::UCase(b.name); });
    for (const auto& sub : subfolders) entries.push_back({TextOf(sub.path), sub.name, current + 1});

    const std::string text = TextOf(folder);
    const bool moved = text != path_;
    path_ = text;
    entries_ = std::move(entries);
    listIndex_ = current;
    changed(Property::Items);
    if (moved) raise("Change", onChange);
    return true;
}

bool DirListBox::Refresh() { return !path_.empty() && setPath(path_); }

const std::string& DirListBox::List(int at) const { return valid(at) ? entries_[at].path : kNone; }

const std::string& DirListBox::EntryName(int at) const { return valid(at) ? entries_[at].name : kNone; }

int DirListBox::Level(int at) const { return valid(at) ? entries_[at].level : 0; }

void DirListBox::setListIndex(int at) {
    if (!valid(at)) return;
    const bool moved = at != listIndex_;
    listIndex_ = at;
    if (moved) changed(Property::Selection);
    raise("Click", onClick);
}

void DirListBox::userOpenedFolder(int index) {
    if (!valid(index) || !focusByUser()) return;
    if (!setPath(List(index))) raise("PathFailed", onPathFailed);
}

}  // namespace ui
