#pragma once
#include "platform/services/display.h"
#include "platform/ui/units.h"

namespace platform::testing {

// A screen of a size the test chooses (1024 by 768 pixels unless told).
class FakeDisplay : public Display {
public:
    void setScreenPixels(int width, int height) { screen_ = {width * ui::TwipsPerPixel, height * ui::TwipsPerPixel}; }
    bool busy() const { return busy_; }
    int beeps() const { return beeps_; }

    ScreenSize Screen() override { return screen_; }
    void SetBusyPointer(bool busy) override { busy_ = busy; }
    void Beep() override { ++beeps_; }

private:
    ScreenSize screen_{1024 * ui::TwipsPerPixel, 768 * ui::TwipsPerPixel};
    bool busy_ = false;
    int beeps_ = 0;
};

}  // namespace platform::testing
