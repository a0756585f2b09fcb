#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/services/dialogs.h"

namespace platform::testing {

// Dialogs for tests. Every question the program asks must have been
// scripted, in order, with the title the test expects; an unexpected or
// mismatched question, or a scripted one never asked, fails the test. So
// does a failed event handler, unless the test said it would come.
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs() = default;
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // --- the script
    void expectMessage(std::string title, int reply = answer::OK);
    // nullopt: the user cancels the box.
    void expectInput(std::string title, std::optional<std::string> typed);
    // nullopt: the user cancels the colour dialog.
    void expectColor(std::optional<ui::OleColor> chosen);
    // The handler of this name will fail.
    void expectFailure(std::string handler);
    // Whether every scripted answer was used.
    bool scriptDone() const;

    // --- what was shown
    const std::vector<MessageBoxRequest>& messages() const { return messages_; }
    const std::vector<InputBoxRequest>& inputs() const { return inputs_; }
    const std::vector<ui::OleColor>& colorDialogs() const { return colorDialogs_; }
    const std::vector<HandlerFailure>& failures() const { return failures_; }
    int messageCount(const std::string& title) const;

    // --- Dialogs
    int MessageBox(const MessageBoxRequest& request) override;
    std::string InputBox(const InputBoxRequest& request) override;
    std::optional<ui::OleColor> ChooseColor(ui::OleColor initial) override;
    void ReportFailure(const HandlerFailure& failure) override;

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
    std::deque<std::string> expectedFailures_;

    std::vector<MessageBoxRequest> messages_;
    std::vector<InputBoxRequest> inputs_;
    std::vector<ui::OleColor> colorDialogs_;
    std::vector<HandlerFailure> failures_;
};

}  // namespace platform::testing
