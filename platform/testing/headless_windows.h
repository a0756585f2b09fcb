#pragma once
#include <deque>
#include <functional>
#include <map>
#include <string>

#include "platform/testing/fake_display.h"
#include "platform/window_system.h"

namespace platform::testing {

// Windows without a screen. Modal windows run a handler the test registers,
// so the program's code stays linear; a modal window without one fails the
// test. Text is measured by a fixed rule, so sizes are the same everywhere.
class HeadlessWindows : public WindowSystem {
public:
    explicit HeadlessWindows(FakeDisplay& display) : display_(display) {}

    void onModal(std::string formName, std::function<void(ui::Form&)> handler);
    // The item a popup menu's user picks, by name; none picked when not scripted.
    void expectPopupChoice(std::string itemName);
    bool quitRequested() const { return quit_; }

    // --- WindowSystem
    void attach(Runtime& runtime) override { runtime_ = &runtime; }
    void showForm(ui::Form&) override {}
    void hideForm(ui::Form&) override {}
    void destroyForm(ui::Form&) override {}
    void runModal(ui::Form& form) override;
    void doEvents() override {}
    void popupMenu(ui::Form& form, ui::Menu& menu) override;
    void focusControl(ui::Control&) override {}
    ui::TextExtent maximizedSize(const ui::Form&) override;
    // Every character half as wide as the font is high.
    ui::TextExtent measureText(const ui::Font& font, std::string_view text) override;
    void quit() override { quit_ = true; }

private:
    FakeDisplay& display_;
    Runtime* runtime_ = nullptr;
    std::map<std::string, std::function<void(ui::Form&)>> modalHandlers_;
    std::deque<std::string> popupChoices_;
    bool quit_ = false;
};

}  // namespace platform::testing
