#include "platform/testing/scripted_desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace platform::testing {

ScriptedDesktop::ScriptedDesktop() = default;

ScriptedDesktop::~ScriptedDesktop() {
    for (const auto& m : expectedMessages_) ADD_FAILURE() << "message box never asked: \"" << m.title << "\"";
    for (const auto& i : expectedInputs_) ADD_FAILURE() << "input box never asked: \"" << i.title << "\"";
    if (!expectedColors_.empty()) ADD_FAILURE() << "colour dialog never opened";
}

void ScriptedDesktop::expectMessage(std::string title, int reply) {
    expectedMessages_.push_back({std::move(title), reply});
}

void ScriptedDesktop::expectInput(std::string title, std::optional<std::string> typed) {
    expectedInputs_.push_back({std::move(title), std::move(typed)});
}

void ScriptedDesktop::expectColor(std::optional<ui::OleColor> chosen) { expectedColors_.push_back(chosen); }

void ScriptedDesktop::onModal(std::string formName, std::function<void(ui::Form&)> handler) {
    modalHandlers_[std::move(formName)] = std::move(handler);
}

void ScriptedDesktop::expectPopupChoice(std::string itemName) { popupChoices_.push_back(std::move(itemName)); }

void ScriptedDesktop::setScreenPixels(int width, int height) {
    screen_ = {width * TwipsPerPixel, height * TwipsPerPixel};
}

bool ScriptedDesktop::scriptDone() const {
    return expectedMessages_.empty() && expectedInputs_.empty() && expectedColors_.empty();
}

int ScriptedDesktop::messageCount(const std::string& title) const {
    return static_cast<int>(std::count_if(messages_.begin(), messages_.end(),
                                          [&](const MessageBoxRequest& m) { return m.title == title; }));
}

int ScriptedDesktop::MessageBox(const MessageBoxRequest& request) {
    messages_.push_back(request);
    if (expectedMessages_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << request.title << "\": " << request.text;
        return request.buttons == MsgButtons::OK ? answer::OK : answer::Cancel;
    }
    const auto expected = expectedMessages_.front();
    expectedMessages_.pop_front();
    EXPECT_EQ(expected.title, request.title) << "message box text: " << request.text;
    return expected.reply;
}

std::string ScriptedDesktop::InputBox(const InputBoxRequest& request) {
    inputs_.push_back(request);
    if (expectedInputs_.empty()) {
        ADD_FAILURE() << "unexpected input box \"" << request.title << "\"";
        return {};
    }
    const auto expected = expectedInputs_.front();
    expectedInputs_.pop_front();
    EXPECT_EQ(expected.title, request.title);
    return expected.typed.value_or("");
}

std::optional<ui::OleColor> ScriptedDesktop::ChooseColor(ui::OleColor initial) {
    colorDialogs_.push_back(initial);
    if (expectedColors_.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    const auto chosen = expectedColors_.front();
    expectedColors_.pop_front();
    return chosen;
}

int ScriptedDesktop::ShellOpen(const ShellOpenRequest& request) {
    shellCalls_.push_back(request);
    return 42;
}

void ScriptedDesktop::Sleep(std::chrono::milliseconds duration) { now_ += sleepStep_.value_or(duration); }

void ScriptedDesktop::runModal(ui::Form& form) {
    auto handler = modalHandlers_.find(form.name());
    if (handler == modalHandlers_.end()) {
        ADD_FAILURE() << "modal window " << form.name() << " shown, but the test gave no handler for it";
    } else {
        handler->second(form);
    }
    if (form.isLoaded() && form.Visible()) {
        if (handler != modalHandlers_.end()) ADD_FAILURE() << "modal window " << form.name() << " left open";
        form.runtime().unload(form);
    }
}

void ScriptedDesktop::popupMenu(ui::Form& form, ui::Menu& menu) {
    form.runtime().userMenu(menu);
    if (popupChoices_.empty()) return;
    const std::string choice = popupChoices_.front();
    popupChoices_.pop_front();
    ui::Menu* item = menu.find(choice);
    if (!item) {
        ADD_FAILURE() << "popup menu " << menu.name() << " has no item " << choice;
        return;
    }
    if (item->Visible()) form.runtime().userMenu(*item);
}

TextExtent ScriptedDesktop::measureText(const ui::Font& font, std::string_view text) {
    // A fixed metric: every character half as wide as the font is high.
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

namespace {
bool OpenPathTo(Runtime& runtime, ui::Menu& menu) {
    if (menu.parent() && !OpenPathTo(runtime, *menu.parent())) return false;
    if (!menu.Visible() && menu.parent()) return false;
    if (!menu.Enabled()) return false;
    return true;
}
}  // namespace

void ChooseMenu(Runtime& runtime, ui::Form& form, const std::string& itemName, int index) {
    ui::Menu* item = form.findMenu(itemName, index);
    if (!item) {
        ADD_FAILURE() << form.name() << " has no menu item " << itemName;
        return;
    }
    std::vector<ui::Menu*> path;
    for (ui::Menu* m = item; m; m = m->parent()) path.insert(path.begin(), m);
    if (!OpenPathTo(runtime, *item)) {
        ADD_FAILURE() << "menu item " << itemName << " cannot be reached";
        return;
    }
    for (ui::Menu* m : path) runtime.userMenu(*m);
}

}  // namespace platform::testing
