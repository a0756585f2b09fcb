#pragma once
#include "platform/services/display.h"

namespace platform::qt {

// The primary screen, the application's pointer and the desktop's beep.
class QtDisplay : public Display {
public:
    ScreenSize Screen() override;
    void SetBusyPointer(bool busy) override;
    void Beep() override;

private:
    bool busy_ = false;
};

}  // namespace platform::qt
