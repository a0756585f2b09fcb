#pragma once
#include <optional>
#include <string>

#include "platform/ui/color.h"

namespace platform {

enum class MsgIcon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum class MsgButtons { OK = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };

// What a message box returns.
namespace answer {
inline constexpr int OK = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace answer

struct MessageBoxRequest {
    std::string title;
    std::string text;  // CR starts a new line
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
    int defaultButton = 1;  // 1 to 3, counted from the left
};

struct InputBoxRequest {
    std::string title;
    std::string prompt;  // CR starts a new line
    std::string defaultText;
    // Top left corner on the screen in twips; centred when absent.
    std::optional<int> left;
    std::optional<int> top;
};

// An event handler that failed: the program stopped that action and went on.
struct HandlerFailure {
    std::string handler;  // as the window's code names it: "Startfrm.mOPF_Click"
    std::string reason;
};

// The desktop's modal dialogs. All text is Windows-1252.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual int MessageBox(const MessageBoxRequest& request) = 0;
    // The text typed, or "" after Cancel.
    virtual std::string InputBox(const InputBoxRequest& request) = 0;
    // The colour chosen, or nothing when the user cancelled.
    virtual std::optional<ui::OleColor> ChooseColor(ui::OleColor initial) = 0;
    // Tells the user that an action failed and was stopped.
    virtual void ReportFailure(const HandlerFailure& failure) = 0;
};

}  // namespace platform
