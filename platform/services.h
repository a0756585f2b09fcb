#pragma once
#include <chrono>
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

struct ShellOpenRequest {
    long ownerWindow = 0;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int showCommand = 0;
};

// The screen in twips.
struct ScreenSize {
    int width = 0;
    int height = 0;
};

inline constexpr int TwipsPerPixel = 15;

// Local wall-clock time in milliseconds since 1 January 1970 (no time zone:
// the fields are read straight off it).
using LocalTime = std::chrono::milliseconds;

inline int SecondsFieldOf(LocalTime t) {
    return static_cast<int>((t.count() / 1000) % 60);
}

// Everything the program asks of the desktop beyond its own windows.
// All text is Windows-1252.
class Services {
public:
    virtual ~Services() = default;

    virtual int MessageBox(const MessageBoxRequest& request) = 0;
    // The text typed, or "" after Cancel.
    virtual std::string InputBox(const InputBoxRequest& request) = 0;
    // The colour chosen, or nothing when the user cancelled.
    virtual std::optional<ui::OleColor> ChooseColor(ui::OleColor initial) = 0;
    // Returns a value above 32 on success, as the desktop's shell does.
    virtual int ShellOpen(const ShellOpenRequest& request) = 0;
    virtual ScreenSize Screen() = 0;
    // One pointer for the whole program: busy or the default one.
    virtual void SetBusyPointer(bool busy) = 0;
    virtual LocalTime Now() = 0;
    // Waits without processing window events.
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
    virtual void Beep() = 0;
};

}  // namespace platform
