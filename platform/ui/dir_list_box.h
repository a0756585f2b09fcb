#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

// A list of folders: those from the drive's root down to the current one,
// then the current folder's subfolders. Paths are Windows-1252 text with
// "/" between folders.
class DirListBox : public Control {
public:
    DirListBox(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::DirListBox, std::move(name), index, container) {
        setBackColor(colors::WindowBackground);
        setForeColor(colors::WindowText);
    }

    bool canHoldFocus() const override { return true; }

    // The current folder, "" before one was set.
    const std::string& Path() const { return path_; }
    // Makes path (absolute, or relative to the process's current folder) the
    // current folder and reads it; raises Change when it moved. False, and
    // the path and entries as they were, when it cannot be read.
    [[nodiscard]] bool setPath(const std::string& path);
    // Reads the current folder again; false when it cannot be read any more.
    [[nodiscard]] bool Refresh();

    int ListCount() const { return static_cast<int>(entries_.size()); }
    // An entry's full path, "" outside the list.
    const std::string& List(int at) const;
    // An entry's own name as shown (the root shows its path), "" outside the list.
    const std::string& EntryName(int at) const;
    // How far an entry is indented: the root 0, each folder below one more.
    int Level(int at) const;
    // The entry of the current folder, or the one the user marked since.
    int ListIndex() const { return listIndex_; }
    // Marks an entry without opening it; raises Click.
    void setListIndex(int at);

    std::function<void()> onChange;
    // The user opened a folder that cannot be read; the path stayed.
    std::function<void()> onPathFailed;

    // --- what the user does (front end or test driver)
    // Marks a folder (focus first, as a click).
    void userChose(int index) {
        if (focusByUser()) setListIndex(index);
    }
    // Opens a folder (a double click, or Enter on the marked one): it becomes
    // the path, or PathFailed is raised when it cannot be read.
    void userOpenedFolder(int index);

private:
    struct Entry {
        std::string path;
        std::string name;
        int level = 0;
    };
    bool valid(int at) const { return at >= 0 && at < ListCount(); }

    std::string path_;
    std::vector<Entry> entries_;
    int listIndex_ = -1;
};

}  // namespace ui
