#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "platform/services.h"
#include "platform/window_system.h"

namespace platform::testing {

// A desktop without a screen, for tests. Every question the program asks
// must have been scripted, in order, with the title the test expects; an
// unexpected or mismatched question fails the test. Modal windows run a
// handler the test registers, so the program's code stays linear.
class ScriptedDesktop : public Services, public WindowSystem {
public:
    ScriptedDesktop();
    ~ScriptedDesktop() override;

    // --- the script
    void expectMessage(std::string title, int reply = answer::OK);
    // nullopt: the user cancels the box.
    void expectInput(std::string title, std::optional<std::string> typed);
    // nullopt: the user cancels the colour dialog.
    void expectColor(std::optional<ui::OleColor> chosen);
    void onModal(std::string formName, std::function<void(ui::Form&)> handler);
    // The item a popup menu's user picks, by name; none picked when not scripted.
    void expectPopupChoice(std::string itemName);
    void setScreenPixels(int width, int height);
    void setNow(LocalTime now) { now_ = now; }
    // Each wait advances the clock by this much instead of the time asked,
    // as a busy machine would.
    void setSleepStep(std::optional<std::chrono::milliseconds> step) { sleepStep_ = step; }
    // Whether every scripted answer was used.
    bool scriptDone() const;

    // --- what was shown
    const std::vector<MessageBoxRequest>& messages() const { return messages_; }
    const std::vector<InputBoxRequest>& inputs() const { return inputs_; }
    const std::vector<ui::OleColor>& colorDialogs() const { return colorDialogs_; }
    const std::vector<ShellOpenRequest>& shellCalls() const { return shellCalls_; }
    bool busy() const { return busy_; }
    bool quitRequested() const { return quit_; }
    int messageCount(const std::string& title) const;

    // --- Services
    int MessageBox(const MessageBoxRequest& request) override;
    std::string InputBox(const InputBoxRequest& request) override;
    std::optional<ui::OleColor> ChooseColor(ui::OleColor initial) override;
    int ShellOpen(const ShellOpenRequest& request) override;
    ScreenSize Screen() override { return screen_; }
    void SetBusyPointer(bool busy) override { busy_ = busy; }
    LocalTime Now() override { return now_; }
    void Sleep(std::chrono::milliseconds duration) override;
    void Beep() override { ++beeps_; }

    // --- WindowSystem
    void showForm(ui::Form&) override {}
    void hideForm(ui::Form&) override {}
    void destroyForm(ui::Form&) override {}
    void runModal(ui::Form& form) override;
    void doEvents() override {}
    void popupMenu(ui::Form& form, ui::Menu& menu) override;
    void focusControl(ui::Control&) override {}
    TextExtent maximizedSize(const ui::Form&) override { return {screen_.width, screen_.height}; }
    TextExtent measureText(const ui::Font& font, std::string_view text) override;
    void quit() override { quit_ = true; }

private:
    struct ExpectedMessage {
        std::string title;
        int reply;
    };
    struct ExpectedInput {
        std::string title;
        std::optional<std::string> typed;
    };
    std::deque<ExpectedMessage> expectedMessages_;
    std::deque<ExpectedInput> expectedInputs_;
    std::deque<std::optional<ui::OleColor>> expectedColors_;
    std::deque<std::string> popupChoices_;
    std::map<std::string, std::function<void(ui::Form&)>> modalHandlers_;

    std::vector<MessageBoxRequest> messages_;
    std::vector<InputBoxRequest> inputs_;
    std::vector<ui::OleColor> colorDialogs_;
    std::vector<ShellOpenRequest> shellCalls_;
    ScreenSize screen_{1024 * TwipsPerPixel, 768 * TwipsPerPixel};
    LocalTime now_{std::chrono::hours(24 * 20000) + std::chrono::hours(12)};
    std::optional<std::chrono::milliseconds> sleepStep_;
    bool busy_ = false;
    bool quit_ = false;
    int beeps_ = 0;
};

// Opens the menus above a menu item, as a user's mouse does, then chooses it.
void ChooseMenu(Runtime& runtime, ui::Form& form, const std::string& itemName, int index = -1);

}  // namespace platform::testing
