#pragma once
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

// The regular files of a folder whose names match a pattern, case ignored,
// sorted without regard to case. Names and the path are Windows-1252 text,
// the path with "/" between folders.
class FileListBox : public Control {
public:
    FileListBox(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::FileListBox, std::move(name), index, container) {
        setBackColor(colors::WindowBackground);
        setForeColor(colors::WindowText);
    }

    bool canHoldFocus() const override { return true; }

    // The folder listed, "" before one was set.
    const std::string& Path() const { return path_; }
    // Lists another folder; false, and the folder and entries as they were,
    // when it cannot be read.
    [[nodiscard]] bool setPath(const std::string& path);
    // '*' and '?' wildcards, e.g. "*.rc1"; setting it reads the folder again.
    const std::string& Pattern() const { return pattern_; }
    void setPattern(const std::string& pattern);
    // Reads the folder again; false (and the list emptied) when it cannot be read.
    [[nodiscard]] bool Refresh();

    int ListCount() const { return static_cast<int>(files_.size()); }
    const std::string& List(int at) const;
    const std::vector<std::string>& items() const { return files_; }
    // The chosen entry, -1 for none; choosing one (again) raises Click.
    int ListIndex() const { return listIndex_; }
    void setListIndex(int at);
    // The chosen entry's name, "" for none.
    const std::string& FileName() const { return List(listIndex_); }

    // The user chose an entry (focus first, as a click).
    void userChose(int index) {
        if (focusByUser()) setListIndex(index);
    }

private:
    bool read(const std::string& path, bool keepChoice);

    std::string path_;
    std::string pattern_ = "*.*";
    std::vector<std::string> files_;
    int listIndex_ = -1;
};

}  // namespace ui
