#pragma once
#include "platform/ui/control.h"
#include "platform/ui/list_items.h"

namespace ui {

// The three kinds of combo box: a text line with a list that drops down, a
// text line above a list that is always open, and a drop-down list whose
// text is always one of its entries.
enum class ComboStyle { DropDownCombo = 0, SimpleCombo = 1, DropDownList = 2 };

class ComboBox : public Control {
public:
    ComboBox(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::ComboBox, std::move(name), index, container) {
        setBackColor(colors::WindowBackground);
        setForeColor(colors::WindowText);
    }

    bool canHoldFocus() const override { return true; }
    // The style, Sorted, the length limit and the shown length.
    void applyDesign(const design::ControlRow& row) override;

    ComboStyle Style() const { return style_; }
    void setStyle(ComboStyle v) {
        style_ = v;
        changed(Property::Style);
    }
    bool Sorted() const { return sorted_; }
    void setSorted(bool v) {
        sorted_ = v;
        changed(Property::Style);
    }
    // The most characters the user may type into the text line; 0: no limit.
    int MaxLength() const { return maxLength_; }
    void setMaxLength(int v) {
        maxLength_ = v < 0 ? 0 : v;
        changed(Property::Style);
    }

    // How many leading characters of each entry, and of the text line, show
    // (EntryAsShown); 0: all. The entries and the text stay whole.
    int ShownLength() const { return shownLength_; }
    void setShownLength(int v) {
        shownLength_ = v < 0 ? 0 : v;
        changed(Property::Items);
        changed(Property::Text);
    }

    // Entries, counted from 0. AddItem's at is ignored by a sorted box.
    void AddItem(std::string item, int at = -1);
    void RemoveItem(int at);
    void Clear();
    int ListCount() const { return items_.count(); }
    const std::string& List(int at) const { return items_.at(at); }
    const std::vector<std::string>& items() const { return items_.all(); }

    // The chosen entry, -1 for none. Choosing one shows it in the text line
    // and raises Click, as a user's choice does; -1 empties the text line.
    int ListIndex() const { return items_.chosen(); }
    void setListIndex(int at);

    // The text line. Setting it raises Change when it differs; a drop-down
    // list takes only the text of one of its entries, which it then chooses.
    const std::string& Text() const { return text_; }
    void setText(const std::string& v);

    // Opens the drop-down list of a box that shows, as a click on its button
    // or Alt+Down in it does; DropDown runs as the list opens.
    void ShowDropDown() { changed(Property::DropDown); }

    // Runs when the text line changes and when the drop-down list opens.
    std::function<void()> onChange;
    std::function<void()> onDropDown;

    // --- what the user does (front end or test driver)
    // Typing, pasting or cutting in the text line (a drop-down list has none).
    void userEdited(const std::string& text);
    // An entry chosen (focus first, as a click).
    void userChose(int index);
    // The list dropped down.
    void userDroppedDown();

private:
    ComboStyle style_ = ComboStyle::DropDownCombo;
    bool sorted_ = false;
    int maxLength_ = 0;
    int shownLength_ = 0;
    ListItems items_;
    std::string text_;
};

}  // namespace ui
