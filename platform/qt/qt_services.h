#pragma once
#include "platform/services.h"

namespace platform::qt {

// The desktop's dialogs, screen, clock and pointer, through Qt.
// Needs a QApplication.
class QtServices : public Services {
public:
    int MessageBox(const MessageBoxRequest& request) override;
    std::string InputBox(const InputBoxRequest& request) override;
    std::optional<ui::OleColor> ChooseColor(ui::OleColor initial) override;
    int ShellOpen(const ShellOpenRequest& request) override;
    ScreenSize Screen() override;
    void SetBusyPointer(bool busy) override;
    LocalTime Now() override;
    void Sleep(std::chrono::milliseconds duration) override;
    void Beep() override;

private:
    bool busy_ = false;
};

}  // namespace platform::qt
