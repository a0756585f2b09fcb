#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/volume.h"

namespace ui {

// A drop-down list of the volumes the user can save to, read from the
// program that runs the form; the program's own volume is the first, "C:".
class DriveListBox : public Control {
public:
    DriveListBox(Form& f, std::string name, int index, Control* container);

    bool canHoldFocus() const override { return true; }

    // Reads the volumes again; the chosen drive stays chosen while it is
    // listed, else the first is chosen (without Change).
    void Refresh();

    int ListCount() const { return static_cast<int>(volumes_.size()); }
    // An entry's text, "" outside the list.
    const std::string& List(int at) const;
    int ListIndex() const { return listIndex_; }
    // Choosing another entry raises Change.
    void setListIndex(int at);

    // The chosen entry's text.
    const std::string& Drive() const { return List(listIndex_); }
    // Chooses the entry of that text (case ignored); false when none is.
    bool setDrive(const std::string& text);

    // Where an entry's folders begin; empty outside the list.
    std::filesystem::path RootOf(int at) const;
    // The folder last current on an entry's drive; empty outside the list.
    std::filesystem::path CurrentFolderOf(int at) const;
    // The entry whose drive holds path (the chosen one when it does), or -1.
    int DriveOf(const std::filesystem::path& path) const;
    // Makes folder the current one of the drive holding it, for the rest of
    // the program's run; false when no listed drive holds it.
    bool rememberFolder(const std::filesystem::path& folder);
    // Whether an entry's drive can be read now; the first always can.
    bool Ready(int at) const;

    std::function<void()> onChange;

    // The user chose an entry (focus first, as a click).
    void userChose(int index) {
        if (focusByUser()) setListIndex(index);
    }

private:
    bool valid(int at) const { return at >= 0 && at < ListCount(); }

    std::vector<Volume> volumes_;
    int listIndex_ = -1;
};

}  // namespace ui
