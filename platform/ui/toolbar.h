#pragma once
#include <filesystem>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

struct ToolbarButton {
    std::string key;
    std::string toolTip;
    std::filesystem::path picture;  // a picture file; none shows the tooltip's text
    bool enabled = true;
    bool visible = true;
};

// A row (or column, docked left or right) of picture buttons, numbered from 1.
class Toolbar : public Control {
public:
    Toolbar(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::Toolbar, std::move(name), index, container) {}

    Align align() const { return align_; }
    // A bar turned from a row to a column (or back) keeps its thickness.
    void setAlign(Align v);
    Align docking() const override { return align_; }
    // The edge the row names, taken before the place: a docked bar takes its edge's.
    void applyDesign(const design::ControlRow& row) override;

    // Returns the new button's number.
    int addButton(ToolbarButton button);
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    // Buttons 1 to ButtonCount(); a number outside gives a blank button.
    const ToolbarButton& Button(int number) const;
    void setButtonEnabled(int number, bool enabled);
    void setButtonVisible(int number, bool visible);
    // Draws the bar afresh.
    void Refresh() { changed(Property::Style); }

    // A button was pressed: its number. Disabled buttons cannot be pressed.
    std::function<void(int number)> onButtonClick;

    // The user pressed a button of a bar that shows.
    void userPressed(int number);

private:
    Align align_ = Align::Top;
    std::vector<ToolbarButton> buttons_;
};

}  // namespace ui
