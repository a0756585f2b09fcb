#include "platform/testing/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace platform::testing {

ScriptedDialogs::~ScriptedDialogs() {
    for (const auto& m : expectedMessages_) ADD_FAILURE() << "message box never asked: \"" << m.title << "\"";
    for (const auto& i : expectedInputs_) ADD_FAILURE() << "input box never asked: \"" << i.title << "\"";
    if (!expectedColors_.empty()) ADD_FAILURE() << "colour dialog never opened";
    for (const auto& f : expectedFailures_) ADD_FAILURE() << "handler never failed: " << f;
}

void ScriptedDialogs::expectMessage(std::string title, int reply) {
    expectedMessages_.push_back({std::move(title), reply});
}

void ScriptedDialogs::expectInput(std::string title, std::optional<std::string> typed) {
    expectedInputs_.push_back({std::move(title), std::move(typed)});
}

void ScriptedDialogs::expectColor(std::optional<ui::OleColor> chosen) { expectedColors_.push_back(chosen); }

void ScriptedDialogs::expectFailure(std::string handler) { expectedFailures_.push_back(std::move(handler)); }

bool ScriptedDialogs::scriptDone() const {
    return expectedMessages_.empty() && expectedInputs_.empty() && expectedColors_.empty() && expectedFailures_.empty();
}

int ScriptedDialogs::messageCount(const std::string& title) const {
    return static_cast<int>(std::count_if(messages_.begin(), messages_.end(),
                                          [&](const MessageBoxRequest& m) { return m.title == title; }));
}

int ScriptedDialogs::MessageBox(const MessageBoxRequest& request) {
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

std::string ScriptedDialogs::InputBox(const InputBoxRequest& request) {
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

std::optional<ui::OleColor> ScriptedDialogs::ChooseColor(ui::OleColor initial) {
    colorDialogs_.push_back(initial);
    if (expectedColors_.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    const auto chosen = expectedColors_.front();
    expectedColors_.pop_front();
    return chosen;
}

void ScriptedDialogs::ReportFailure(const HandlerFailure& failure) {
    failures_.push_back(failure);
    if (expectedFailures_.empty()) {
        ADD_FAILURE() << failure.handler << " failed: " << failure.reason;
        return;
    }
    const std::string expected = expectedFailures_.front();
    expectedFailures_.pop_front();
    EXPECT_EQ(expected, failure.handler) << "failed: " << failure.reason;
}

}  // namespace platform::testing
