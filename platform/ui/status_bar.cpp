#include "platform/ui/status_bar.h"

namespace ui {

int StatusBar::addPanel(StatusPanel panel) {
    panels_.push_back(std::move(panel));
    changed(Property::Items);
    return PanelCount();
}

const StatusPanel& StatusBar::Panel(int number) const {
    static const StatusPanel none;
    return number >= 1 && number <= PanelCount() ? panels_[static_cast<std::size_t>(number - 1)] : none;
}

void StatusBar::setPanelText(int number, const std::string& text) {
    if (number < 1 || number > PanelCount()) return;
    panels_[static_cast<std::size_t>(number - 1)].text = text;
    changed(Property::Text);
}

void StatusBar::setPanelVisible(int number, bool visible) {
    if (number < 1 || number > PanelCount()) return;
    panels_[static_cast<std::size_t>(number - 1)].visible = visible;
    changed(Property::Items);
}

void StatusBar::userClickedPanel(int number) {
    if (!effectivelyVisible() || number < 1 || number > PanelCount() || !Panel(number).visible) return;
    raise("PanelClick", [this, number] {
        if (onPanelClick) onPanelClick(number);
    });
}

}  // namespace ui
