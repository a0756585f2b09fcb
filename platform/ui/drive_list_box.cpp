#include "platform/ui/drive_list_box.h"

#include "platform/basic/folder_entries.h"
#include "platform/basic/text.h"
#include "platform/ui/form.h"

namespace ui {

namespace {
const std::string kNone;
}

DriveListBox::DriveListBox(Form& f, std::string name, int index, Control* container)
    : Control(f, ControlKind::DriveListBox, std::move(name), index, container) {
    setBackColor(colors::WindowBackground);
    setForeColor(colors::WindowText);
    Refresh();
}

void DriveListBox::Refresh() {
    const std::string chosen = Drive();
    volumes_ = form().host().volumes();
    listIndex_ = volumes_.empty() ? -1 : 0;
    for (int i = 0; i < ListCount(); ++i)
        if (volumes_[i].name == chosen) listIndex_ = i;
    changed(Property::Items);
}

const std::string& DriveListBox::List(int at) const { return valid(at) ? volumes_[at].name : kNone; }

void DriveListBox::setListIndex(int at) {
    if (!valid(at) || at == listIndex_) return;
    listIndex_ = at;
    changed(Property::Selection);
    raise("Change", onChange);
}

bool DriveListBox::setDrive(const std::string& text) {
    const std::string wanted = basic::UCase(text);
    for (int i = 0; i < ListCount(); ++i) {
        if (basic::UCase(volumes_[i].name) != wanted) continue;
        setListIndex(i);
        return true;
    }
    return false;
}

std::filesystem::path DriveListBox::RootOf(int at) const {
    return valid(at) ? volumes_[at].root : std::filesystem::path();
}

std::filesystem::path DriveListBox::CurrentFolderOf(int at) const {
    return valid(at) ? volumes_[at].current : std::filesystem::path();
}

int DriveListBox::DriveOf(const std::filesystem::path& path) const {
    // Volumes may lie inside others (the home folder on the program's volume):
    // the chosen drive keeps a folder it holds.
    if (valid(listIndex_) && VolumeHolding({volumes_[listIndex_]}, path) == 0) return listIndex_;
    return VolumeHolding(volumes_, path);
}

bool DriveListBox::rememberFolder(const std::filesystem::path& folder) {
    const int at = DriveOf(folder);
    if (at < 0) return false;
    volumes_[at].current = PlainFolderPath(folder);
    form().host().setCurrentFolder(volumes_[at].root, volumes_[at].current);
    return true;
}

bool DriveListBox::Ready(int at) const {
    if (at == 0) return true;
    return valid(at) && basic::detail::ReadFolder(volumes_[at].root).has_value();
}

}  // namespace ui
