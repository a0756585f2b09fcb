#include "platform/testing/headless_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/runtime.h"

namespace platform::testing {

void HeadlessWindows::onModal(std::string formName, std::function<void(ui::Form&)> handler) {
    modalHandlers_[std::move(formName)] = std::move(handler);
}

void HeadlessWindows::expectPopupChoice(std::string itemName) { popupChoices_.push_back(std::move(itemName)); }

void HeadlessWindows::runModal(ui::Form& form) {
    auto handler = modalHandlers_.find(form.name());
    if (handler == modalHandlers_.end()) {
        ADD_FAILURE() << "modal window " << form.name() << " shown, but the test gave no handler for it";
    } else {
        handler->second(form);
    }
    if (form.isLoaded() && form.Visible()) {
        if (handler != modalHandlers_.end()) ADD_FAILURE() << "modal window " << form.name() << " left open";
        form.Unload();
    }
}

void HeadlessWindows::popupMenu(ui::Form& form, ui::Menu& menu) {
    if (!runtime_) return;
    runtime_->userMenu(menu);
    if (popupChoices_.empty()) return;
    const std::string choice = popupChoices_.front();
    popupChoices_.pop_front();
    ui::Menu* item = menu.find(choice);
    if (!item) {
        ADD_FAILURE() << form.name() << "'s popup menu " << menu.name() << " has no item " << choice;
        return;
    }
    if (item->Visible()) runtime_->userMenu(*item);
}

ui::TextExtent HeadlessWindows::maximizedSize(const ui::Form&) {
    const ScreenSize screen = display_.Screen();
    return {screen.width, screen.height};
}

ui::TextExtent HeadlessWindows::measureText(const ui::Font& font, std::string_view text) {
    const int charWidth = static_cast<int>(std::lround(font.size * 10));
    const int lineHeight = static_cast<int>(std::lround(font.size * 24));
    int lines = 1;
    std::size_t longest = 0, current = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            longest = std::max(longest, current);
            current = 0;
            ++lines;
        } else {
            ++current;
        }
    }
    longest = std::max(longest, current);
    return {static_cast<int>(longest) * charWidth, lines * lineHeight};
}

}  // namespace platform::testing
