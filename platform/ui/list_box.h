#pragma once
#include "platform/ui/control.h"
#include "platform/ui/list_items.h"

namespace ui {

// A list of entries the user picks one from.
class ListBox : public Control {
public:
    ListBox(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::ListBox, std::move(name), index, container) {
        setBackColor(colors::WindowBackground);
        setForeColor(colors::WindowText);
    }

    bool canHoldFocus() const override { return true; }
    // Sorted and the shown length.
    void applyDesign(const design::ControlRow& row) override;

    bool Sorted() const { return sorted_; }
    void setSorted(bool v) {
        sorted_ = v;
        changed(Property::Style);
    }

    // How many leading characters of each entry show (EntryAsShown); 0: all.
    // The entries themselves, and so List and Text, stay whole.
    int ShownLength() const { return shownLength_; }
    void setShownLength(int v) {
        shownLength_ = v < 0 ? 0 : v;
        changed(Property::Items);
    }

    void AddItem(std::string item, int at = -1);
    void RemoveItem(int at);
    void Clear();
    int ListCount() const { return items_.count(); }
    const std::string& List(int at) const { return items_.at(at); }
    const std::vector<std::string>& items() const { return items_.all(); }

    // The chosen entry, -1 for none; choosing one (again) raises Click.
    int ListIndex() const { return items_.chosen(); }
    void setListIndex(int at);
    // The chosen entry's text, "" for none.
    const std::string& Text() const { return items_.at(items_.chosen()); }

    // The user chose an entry (focus first, as a click).
    void userChose(int index) {
        if (focusByUser()) setListIndex(index);
    }

private:
    bool sorted_ = false;
    int shownLength_ = 0;
    ListItems items_;
};

}  // namespace ui
