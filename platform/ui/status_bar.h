#pragma once
#include <vector>

#include "platform/ui/control.h"

namespace ui {

struct StatusPanel {
    std::string text;
    bool visible = true;
    int width = 0;  // twips; 0: the room that is left
};

// The bar along a window's bottom edge, with text panels numbered from 1.
class StatusBar : public Control {
public:
    StatusBar(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::StatusBar, std::move(name), index, container) {}

    Align docking() const override { return Align::Bottom; }

    // Returns the new panel's number.
    int addPanel(StatusPanel panel);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    const StatusPanel& Panel(int number) const;
    void setPanelText(int number, const std::string& text);
    void setPanelVisible(int number, bool visible);

    std::function<void(int number)> onPanelClick;

    // The user clicked a panel of a bar that shows.
    void userClickedPanel(int number);

private:
    std::vector<StatusPanel> panels_;
};

}  // namespace ui
